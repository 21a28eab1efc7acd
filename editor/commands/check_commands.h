// Debug > Check Script: runs the checks and lists their problems in the unused selection list.
#pragma once

#include <QObject>
#include <QString>

#include <vector>

#include "script_model.h"

class ProblemEntries;
class QComboBox;
class ScriptChecker;

// "Line N: error: message [code]", as the problem list shows a problem.
QString ProblemListText(const ScriptProblem &problem);
// "2 errors, 1 warning found.", or "No problems found.".
QString ProblemCountText(const std::vector<ScriptProblem> &problems);

class CheckCommands : public QObject
{
    Q_OBJECT

public:
    // The list keeps its item 0 caption; problems follow it as "Line N: message". Whether
    // unknown commands are reported is kept in settingsFile.
    CheckCommands(ScriptChecker &checker, QComboBox &problemList, const QString &settingsFile,
                  QObject *parent = nullptr);

    void checkScript();
    // A short definition file knows few commands: its user can leave unknown ones unreported.
    bool reportsUnknownCommands() const;
    void setReportUnknownCommands(bool report);

Q_SIGNALS:
    void statusText(const QString &text);

private:
    void showProblems(const std::vector<ScriptProblem> &problems);
    void goToListedProblem(int index);

    ScriptChecker &m_checker;
    QComboBox &m_list;
    ProblemEntries *m_entries = nullptr;   // the list's model once the first problems arrive
    QString m_settingsFile;
    CheckOptions m_options;
    bool m_countWanted = false;     // Check Script was asked for: its result is counted in the status
};
