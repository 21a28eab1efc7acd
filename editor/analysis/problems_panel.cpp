// The Problems panel: a dock holding a flat list view over the problem rows.
#include "problems_panel.h"

#include <QHeaderView>
#include <QHideEvent>
#include <QShowEvent>
#include <QSortFilterProxyModel>
#include <QStyle>
#include <QTreeView>

#include "ini.h"
#include "problem_list.h"
#include "widget_names.h"

namespace {

const QString SettingsSection = QStringLiteral("View");
const QString ShownKey = QStringLiteral("Problems Panel");

// The list's columns without File while it holds one script. A hidden view column would still be
// read out by screen readers, which take the columns from the model.
class ShownColumns : public QSortFilterProxyModel
{
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setFileShown(bool shown)
    {
        m_fileShown = shown;
        invalidateColumnsFilter();
    }

protected:
    bool filterAcceptsColumn(int column, const QModelIndex &) const override
    {
        return m_fileShown || column != ProblemList::FileColumn;
    }

private:
    bool m_fileShown = false;
};

} // namespace

ProblemsPanel::ProblemsPanel(const QString &settingsFile, QWidget *parent)
    : QDockWidget(QStringLiteral("Problems"), parent)
    , m_settingsFile(settingsFile)
{
    nameWidget(this, QStringLiteral("problemsPanel"), tr("Problems"));
    setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);

    m_problems = new ProblemList(this);
    m_view = new QTreeView(this);
    nameWidget(m_view, QStringLiteral("lvwProblems"), tr("Problem list"));
    m_view->setAccessibleDescription(tr("Click a problem or press Enter on it to go there."));
    // Thousands of rows stay cheap: every row has one height and the rows are never sorted here.
    m_view->setUniformRowHeights(true);
    m_view->setRootIsDecorated(false);
    m_view->setItemsExpandable(false);
    m_view->setAllColumnsShowFocus(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    auto *columns = new ShownColumns(this);
    columns->setSourceModel(m_problems);
    m_view->setModel(columns);
    // The message, always the last column, takes the width the others leave.
    m_view->header()->setStretchLastSection(true);
    m_view->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setWidget(m_view);
    // Until its window places it, where it was left is only remembered: keptShown() says it.
    hide();

    connect(m_problems, &ProblemList::groupsFilesChanged, columns, &ShownColumns::setFileShown);
    connect(m_view, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) { rowChosen(index.row()); });
    // Enter activates; where a style also activates on a single click, clicked has gone there already.
    connect(m_view, &QAbstractItemView::activated, this, [this](const QModelIndex &index) {
        if (!m_view->style()->styleHint(QStyle::SH_ItemView_ActivateItemOnSingleClick, nullptr, m_view))
            rowChosen(index.row());
    });
}

ProblemList &ProblemsPanel::problems() const
{
    return *m_problems;
}

QTreeView &ProblemsPanel::view() const
{
    return *m_view;
}

bool ProblemsPanel::keptShown() const
{
    return ReadIni(SettingsSection, ShownKey, QStringLiteral("0"), m_settingsFile) == QLatin1String("1");
}

QSize ProblemsPanel::sizeHint() const
{
    constexpr int Lines = 7;    // the title, the header and five rows
    return {QDockWidget::sizeHint().width(), fontMetrics().lineSpacing() * Lines};
}

void ProblemsPanel::rowChosen(int row)
{
    if (const ProblemRow *problem = m_problems->problemAt(row))
        Q_EMIT problemChosen(*problem);
}

void ProblemsPanel::showEvent(QShowEvent *event)
{
    QDockWidget::showEvent(event);
    if (!event->spontaneous())
        setShownKept(true);
}

void ProblemsPanel::hideEvent(QHideEvent *event)
{
    QDockWidget::hideEvent(event);
    // A panel hidden along with its window is still meant to be shown.
    if (!event->spontaneous() && isHidden())
        setShownKept(false);
}

void ProblemsPanel::setShownKept(bool shown)
{
    Q_EMIT shownChanged(shown);
    if (shown != keptShown())
        WriteIni(SettingsSection, ShownKey, shown ? QStringLiteral("1") : QStringLiteral("0"), m_settingsFile);
}
