// Filling the outline list from the model, following the caret and going to a chosen entry.
#include "outline_list.h"

#include <QComboBox>

#include <algorithm>

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

OutlineList::OutlineList(ScriptOutline &outline, QComboBox &list, QObject *parent)
    : QObject(parent)
    , m_outline(outline)
    , m_list(list)
{
    connect(&m_outline, &ScriptOutline::modelChanged, this, &OutlineList::fill);
    connect(&m_outline, &ScriptOutline::caretLineChanged, this, &OutlineList::followCaret);
    connect(&m_list, &QComboBox::activated, this, &OutlineList::entryChosen);
}

void OutlineList::fill(const ScriptModel &model)
{
    m_entries.clear();
    while (m_list.count() > 1)
        m_list.removeItem(m_list.count() - 1);
    for (const ScriptBlock &block : model.blocks) {
        m_list.addItem(QStringLiteral("%1 (%2)").arg(QString::fromStdString(block.name), kindWord(block.kind)));
        m_entries.push_back({block.line, block.endLine});
        for (const ScriptLabel &label : block.labels) {
            m_list.addItem(QStringLiteral("    ") + QString::fromStdString(label.name));
            m_entries.push_back({label.line, block.endLine});
        }
    }
    m_list.setEnabled(!model.blocks.empty());
    followCaret(m_caretLine);
}

void OutlineList::followCaret(int line)
{
    m_caretLine = line;
    // The last entry at or before the caret, if the caret is still inside its block.
    const auto after = std::upper_bound(m_entries.begin(), m_entries.end(), line,
                                        [](int l, const Entry &entry) { return l < entry.line; });
    int index = 0;
    if (after != m_entries.begin() && line <= std::prev(after)->endLine)
        index = int(after - m_entries.begin());
    m_list.setCurrentIndex(index);
}

void OutlineList::entryChosen(int index)
{
    if (index > 0 && size_t(index) <= m_entries.size())
        m_outline.goToLine(m_entries[size_t(index) - 1].line);
}
