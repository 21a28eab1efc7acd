// ReferencesPanel: the dock that lists every use of a name, by file and line; a row goes there.
#pragma once

#include <QDockWidget>
#include <QList>
#include <QString>

class QLabel;
class QTreeWidget;

// One use of a name. An empty path is the open script while it is untitled.
struct ReferenceRow
{
    QString path;
    int line = 0;       // from 0
    int column = 0;     // characters from the line start
    int length = 0;
    QString text;       // the line as it reads

    bool operator==(const ReferenceRow &other) const
    {
        return path == other.path && line == other.line && column == other.column && length == other.length
            && text == other.text;
    }
};

class ReferencesPanel : public QDockWidget
{
    Q_OBJECT

public:
    enum Column { FileColumn, LineColumn, TextColumn };

    explicit ReferencesPanel(QWidget *parent = nullptr);

    // Replaces the list with the uses of name and shows the panel; the first row is current.
    void showReferences(const QString &name, const QList<ReferenceRow> &rows);
    // The untitled script's rows go once another script takes its place: they named its text.
    void dropUntitledRows();
    const QList<ReferenceRow> &rows() const;
    QTreeWidget &list() const;
    // The line above the list: how many uses of what, in how many files.
    QString summary() const;
    // A few rows high, as the Problems panel.
    QSize sizeHint() const override;

Q_SIGNALS:
    // A row was clicked or Enter was pressed on it.
    void referenceChosen(const ReferenceRow &row);

private:
    void fill(const QList<ReferenceRow> &rows);
    void rowChosen(int row);

    QLabel *m_summary = nullptr;
    QTreeWidget *m_list = nullptr;
    QList<ReferenceRow> m_rows;
    QString m_name;
};
