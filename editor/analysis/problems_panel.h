// ProblemsPanel: the dock under the text that lists the problems, View > Problems.
#pragma once

#include <QDockWidget>
#include <QString>

class ProblemList;
class QTreeView;
struct ProblemRow;

class ProblemsPanel : public QDockWidget
{
    Q_OBJECT

public:
    // Starts hidden; whether it was left shown is kept in settingsFile, hidden the first time,
    // so that the window opens as it always has.
    ProblemsPanel(const QString &settingsFile, QWidget *parent = nullptr);

    ProblemList &problems() const;
    QTreeView &view() const;
    // Whether it was left shown at the last run.
    bool keptShown() const;
    // A few rows high: the text above keeps most of a small window.
    QSize sizeHint() const override;

Q_SIGNALS:
    // A row was clicked or Enter was pressed on it.
    void problemChosen(const ProblemRow &row);
    // Shown or hidden by the user or the menu; not when the whole window is.
    void shownChanged(bool shown);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void rowChosen(int row);
    void setShownKept(bool shown);

    ProblemList *m_problems = nullptr;
    QTreeView *m_view = nullptr;
    QString m_settingsFile;
};
