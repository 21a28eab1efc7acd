// Debug > Check Script: runs the checks and lists their problems in the unused selection list.
#pragma once

#include <QObject>
#include <QString>

#include <vector>

#include "script_model.h"

class QComboBox;
class ScriptChecker;

class CheckCommands : public QObject
{
    Q_OBJECT

public:
    // The list keeps its item 0 caption; problems follow it as "Line N: message".
    CheckCommands(ScriptChecker &checker, QComboBox &problemList, QObject *parent = nullptr);

    void checkScript();

Q_SIGNALS:
    void statusText(const QString &text);

private:
    void showProblems(const std::vector<ScriptProblem> &problems);
    void problemChosen(int index);

    ScriptChecker &m_checker;
    QComboBox &m_list;
    std::vector<ScriptProblem> m_problems;
};
