// The References panel: a summary line over a flat list of file, line and the line's text.
#include "references_panel.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <QSet>

#include "widget_names.h"

ReferencesPanel::ReferencesPanel(QWidget *parent)
    : QDockWidget(QStringLiteral("References"), parent)
{
    nameWidget(this, QStringLiteral("referencesPanel"), tr("References"));
    setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);

    auto *body = new QWidget(this);
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    m_summary = new QLabel(body);
    // The label is heard by its text: the count and the name.
    nameWidget(m_summary, QStringLiteral("lblReferences"));
    m_list = new QTreeWidget(body);
    nameWidget(m_list, QStringLiteral("lvwReferences"), tr("Reference list"));
    m_list->setAccessibleDescription(tr("Click a reference or press Enter on it to go there."));
    m_list->setHeaderLabels({tr("File"), tr("Line"), tr("Text")});
    m_list->setUniformRowHeights(true);
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Five rows at least, however little room the text leaves the docks.
    m_list->setMinimumHeight(m_list->fontMetrics().lineSpacing() * 7);
    m_list->header()->setStretchLastSection(true);
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(TextColumn, QHeaderView::Stretch);
    layout->addWidget(m_summary);
    layout->addWidget(m_list, 1);
    setWidget(body);
    hide();

    connect(m_list, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) { rowChosen(index.row()); });
    // Enter activates; where a style also activates on a single click, clicked has gone there already.
    connect(m_list, &QAbstractItemView::activated, this, [this](const QModelIndex &index) {
        if (!m_list->style()->styleHint(QStyle::SH_ItemView_ActivateItemOnSingleClick, nullptr, m_list))
            rowChosen(index.row());
    });
}

void ReferencesPanel::showReferences(const QString &name, const QList<ReferenceRow> &rows)
{
    m_name = name;
    fill(rows);
    show();
    raise();
}

void ReferencesPanel::dropUntitledRows()
{
    QList<ReferenceRow> kept;
    for (const ReferenceRow &row : std::as_const(m_rows))
        if (!row.path.isEmpty())
            kept << row;
    if (kept.size() != m_rows.size())
        fill(kept);
}

void ReferencesPanel::fill(const QList<ReferenceRow> &rows)
{
    const QString &name = m_name;
    m_rows = rows;
    m_list->clear();
    QSet<QString> files;
    QList<QTreeWidgetItem *> items;
    for (const ReferenceRow &row : rows) {
        files.insert(row.path);
        auto *item = new QTreeWidgetItem;
        item->setText(FileColumn, row.path.isEmpty() ? QStringLiteral("(untitled)") : QFileInfo(row.path).fileName());
        item->setToolTip(FileColumn, row.path);
        item->setText(LineColumn, QString::number(row.line + 1));
        item->setTextAlignment(LineColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setText(TextColumn, row.text);
        items << item;
    }
    m_list->addTopLevelItems(items);
    const QString uses = rows.size() == 1 ? tr("1 reference") : tr("%1 references").arg(rows.size());
    const QString in = files.size() == 1 ? tr("1 file") : tr("%1 files").arg(files.size());
    m_summary->setText(rows.isEmpty() ? tr("No references to '%1'.").arg(name)
                                      : tr("%1 to '%2' in %3.").arg(uses, name, in));
    if (!items.isEmpty())
        m_list->setCurrentItem(items.first());
}

const QList<ReferenceRow> &ReferencesPanel::rows() const
{
    return m_rows;
}

QTreeWidget &ReferencesPanel::list() const
{
    return *m_list;
}

QString ReferencesPanel::summary() const
{
    return m_summary->text();
}

QSize ReferencesPanel::sizeHint() const
{
    constexpr int Lines = 8;    // the title, the summary, the header and five rows
    return {QDockWidget::sizeHint().width(), fontMetrics().lineSpacing() * Lines};
}

void ReferencesPanel::rowChosen(int row)
{
    if (row >= 0 && row < m_rows.size())
        Q_EMIT referenceChosen(m_rows.at(row));
}
