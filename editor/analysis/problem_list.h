// ProblemList: the rows of the Problems panel, the open script's problems or a whole project's.
#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <vector>

#include "script_model.h"

// One file's problems, as Check Project hands them over. error says why the file could not be
// read; its problems are empty then.
struct FileProblems
{
    QString path;
    std::vector<ScriptProblem> problems;
    QString error;
};

// One row: a problem and the file it is in (the open script's path, possibly empty).
struct ProblemRow
{
    QString file;
    ScriptProblem problem;
};

class ProblemList : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { FileColumn, SeverityColumn, LineColumn, ColumnColumn, MessageColumn, ColumnCount };

    explicit ProblemList(QObject *parent = nullptr);

    // The open script's problems, by line. While a project's are shown, they stand in for that
    // file's rows only; otherwise they are the whole list.
    void showScript(const QString &path, const std::vector<ScriptProblem> &problems);
    // Every file's problems, grouped by file in path order and by line within it.
    void showProject(const std::vector<FileProblems> &files);
    // Back to the open script alone, with nothing listed until it is checked again.
    void clear();

    // Whether the rows come from a project check; the File column is shown then.
    bool groupsFiles() const;
    // The row's problem; nullptr out of range.
    const ProblemRow *problemAt(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

Q_SIGNALS:
    void groupsFilesChanged(bool groups);

private:
    void setRows(std::vector<ProblemRow> rows, bool project);

    std::vector<ProblemRow> m_rows;
    bool m_project = false;
};
