// Filling the outline list from the model, following the caret and going to a chosen entry.
#include "outline_list.h"

#include <QAbstractListModel>
#include <QComboBox>
#include <QListView>

#include <algorithm>

#include "script_analyser.h"
#include "script_model.h"
#include "script_outline.h"

namespace {

QString kindWord(BlockKind kind)
{
    switch (kind) {
    case BlockKind::Npc: return QStringLiteral("NPC");
    case BlockKind::FloatingScript: return QStringLiteral("script");
    case BlockKind::Function: return QStringLiteral("function");
    case BlockKind::Shop: return QStringLiteral("shop");
    case BlockKind::Warp: return QStringLiteral("warp");
    case BlockKind::Duplicate: return QStringLiteral("duplicate");
    case BlockKind::Monster: return QStringLiteral("monster");
    case BlockKind::MapFlag: return QStringLiteral("map flag");
    }
    return {};
}

} // namespace

// The caption, then the analysis's outline rows; texts are made only for the rows shown, so a
// script of a hundred thousand blocks fills the list at once.
class OutlineEntries : public QAbstractListModel
{
public:
    OutlineEntries(const QString &caption, QObject *parent)
        : QAbstractListModel(parent), m_caption(caption), m_text(std::make_shared<const AnalysedText>())
    {
    }

    void reset(std::shared_ptr<const AnalysedText> text)
    {
        beginResetModel();
        m_text = std::move(text);
        endResetModel();
    }

    const std::vector<OutlineRow> &entries() const { return m_text->outline; }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(entries().size()) + 1;
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::AccessibleTextRole)
            return {};
        if (index.row() == 0)
            return m_caption;
        const OutlineRow &entry = entries()[size_t(index.row() - 1)];
        const ScriptBlock &block = m_text->model.blocks[size_t(entry.block)];
        if (entry.label >= 0)
            return QStringLiteral("    ") + QString::fromUtf8(m_text->model.labelsOf(block)[size_t(entry.label)].name);
        return QStringLiteral("%1 (%2)").arg(QString::fromStdString(block.name), kindWord(block.kind));
    }

private:
    QString m_caption;
    std::shared_ptr<const AnalysedText> m_text;
};

OutlineList::OutlineList(ScriptOutline &outline, QComboBox &list, QObject *parent)
    : QObject(parent)
    , m_outline(outline)
    , m_list(list)
{
    // Measuring every entry for the list's width would take long on a large script.
    m_list.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (auto *view = qobject_cast<QListView *>(m_list.view()))
        view->setUniformItemSizes(true);
    connect(&m_outline, &ScriptOutline::modelChanged, this, &OutlineList::fill);
    connect(&m_outline, &ScriptOutline::caretLineChanged, this, &OutlineList::followCaret);
    connect(&m_list, &QComboBox::activated, this, &OutlineList::entryChosen);
}

void OutlineList::fill(const ScriptModel &)
{
    if (!m_entries) {
        // The caption the window gave item 0 stays item 0.
        m_entries = new OutlineEntries(m_list.itemText(0), &m_list);
        m_list.setModel(m_entries);
    }
    m_entries->reset(m_outline.analysis());
    m_list.setEnabled(!m_entries->entries().empty());
    followCaret(m_caretLine);
}

void OutlineList::followCaret(int line)
{
    m_caretLine = line;
    if (!m_entries)
        return;
    // The last entry at or before the caret, if the caret is still inside its block.
    const std::vector<OutlineRow> &entries = m_entries->entries();
    const auto after = std::upper_bound(entries.begin(), entries.end(), line,
                                        [](int l, const OutlineRow &entry) { return l < entry.line; });
    int index = 0;
    if (after != entries.begin() && line <= std::prev(after)->endLine)
        index = int(after - entries.begin());
    m_list.setCurrentIndex(index);
}

void OutlineList::entryChosen(int index)
{
    if (m_entries && index > 0 && size_t(index) <= m_entries->entries().size())
        m_outline.goToLine(m_entries->entries()[size_t(index) - 1].line);
}
