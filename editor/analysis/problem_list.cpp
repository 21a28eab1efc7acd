// The Problems panel's rows: sorted once when they arrive, so that a view only reads them.
#include "problem_list.h"

#include <QFileInfo>

#include <algorithm>
#include <iterator>
#include <tuple>

namespace {

bool rowBefore(const ProblemRow &a, const ProblemRow &b)
{
    return std::tie(a.file, a.problem.line, a.problem.column) < std::tie(b.file, b.problem.line, b.problem.column);
}

QString severityText(Severity severity)
{
    return severity == Severity::Warning ? QStringLiteral("Warning") : QStringLiteral("Error");
}

} // namespace

ProblemList::ProblemList(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void ProblemList::showScript(const QString &path, const std::vector<ScriptProblem> &problems)
{
    std::vector<ProblemRow> rows;
    if (m_project) {
        // The other files keep what the project check found in them.
        std::copy_if(m_rows.begin(), m_rows.end(), std::back_inserter(rows),
                     [&path](const ProblemRow &row) { return row.file != path; });
    }
    for (const ScriptProblem &problem : problems)
        rows.push_back({path, problem});
    setRows(std::move(rows), m_project);
}

void ProblemList::showProject(const std::vector<FileProblems> &files)
{
    std::vector<ProblemRow> rows;
    for (const FileProblems &file : files) {
        for (const ScriptProblem &problem : file.problems)
            rows.push_back({file.path, problem});
        if (!file.error.isEmpty()) {
            ScriptProblem unread;
            unread.message = file.error.toStdString();
            rows.push_back({file.path, unread});
        }
    }
    setRows(std::move(rows), true);
}

void ProblemList::clear()
{
    setRows({}, false);
}

void ProblemList::setRows(std::vector<ProblemRow> rows, bool project)
{
    std::stable_sort(rows.begin(), rows.end(), rowBefore);
    beginResetModel();
    m_rows = std::move(rows);
    const bool groupsChanged = project != m_project;
    m_project = project;
    endResetModel();
    if (groupsChanged)
        Q_EMIT groupsFilesChanged(m_project);
}

bool ProblemList::groupsFiles() const
{
    return m_project;
}

const ProblemRow *ProblemList::problemAt(int row) const
{
    return row >= 0 && size_t(row) < m_rows.size() ? &m_rows[size_t(row)] : nullptr;
}

int ProblemList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ProblemList::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ProblemList::data(const QModelIndex &index, int role) const
{
    const ProblemRow *row = problemAt(index.row());
    if (!row || !index.isValid())
        return {};
    const ScriptProblem &problem = row->problem;
    if (role == Qt::ToolTipRole && index.column() == FileColumn)
        return row->file;
    if (role == Qt::AccessibleTextRole && index.column() == MessageColumn) {
        // A reader moving down the list hears where each problem is along with it.
        return QStringLiteral("%1, line %2: %3")
            .arg(severityText(problem.severity))
            .arg(problem.line + 1)
            .arg(QString::fromStdString(problem.message));
    }
    if (role == Qt::TextAlignmentRole && (index.column() == LineColumn || index.column() == ColumnColumn))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case FileColumn:
        return row->file.isEmpty() ? QStringLiteral("(untitled)") : QFileInfo(row->file).fileName();
    case SeverityColumn:
        return severityText(problem.severity);
    case LineColumn:
        return problem.line + 1;
    case ColumnColumn:
        return problem.column + 1;
    case MessageColumn:
        return QString::fromStdString(problem.message);
    default:
        return {};
    }
}

QVariant ProblemList::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char *const captions[ColumnCount] = {"File", "Severity", "Line", "Column", "Message"};
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(captions[section]) : QVariant();
}
