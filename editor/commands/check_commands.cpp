// Check Script's command, its list of problems and its status text.
#include "check_commands.h"

#include <QComboBox>

#include <algorithm>
#include <utility>

#include "ini.h"
#include "script_checker.h"

namespace {

const QString SettingsSection = QStringLiteral("Check Script");
const QString UnknownCommandsKey = QStringLiteral("Unknown Commands");

} // namespace

QString ProblemListText(const ScriptProblem &problem)
{
    const QString severity = problem.severity == Severity::Warning ? QStringLiteral("warning") : QStringLiteral("error");
    QString text = QStringLiteral("Line %1: %2: %3").arg(problem.line + 1).arg(severity, QString::fromStdString(problem.message));
    if (problem.code && *problem.code)
        text += QStringLiteral(" [%1]").arg(QLatin1String(problem.code));
    return text;
}

QString ProblemCountText(const std::vector<ScriptProblem> &problems)
{
    const auto warnings = std::count_if(problems.begin(), problems.end(),
                                        [](const ScriptProblem &problem) { return problem.severity == Severity::Warning; });
    const auto errors = qsizetype(problems.size()) - warnings;
    if (errors == 0 && warnings == 0)
        return QStringLiteral("No problems found.");
    QStringList parts;
    if (errors > 0)
        parts << (errors == 1 ? QStringLiteral("1 error") : QStringLiteral("%1 errors").arg(errors));
    if (warnings > 0)
        parts << (warnings == 1 ? QStringLiteral("1 warning") : QStringLiteral("%1 warnings").arg(warnings));
    return parts.join(QStringLiteral(", ")) + QStringLiteral(" found.");
}

CheckCommands::CheckCommands(ScriptChecker &checker, QComboBox &problemList, const QString &settingsFile,
                             QObject *parent)
    : QObject(parent)
    , m_checker(checker)
    , m_list(problemList)
    , m_settingsFile(settingsFile)
{
    m_options.unknownCommands = ReadIni(SettingsSection, UnknownCommandsKey, QStringLiteral("1"), m_settingsFile)
        != QLatin1String("0");
    m_checker.setOptions(m_options);
    connect(&m_checker, &ScriptChecker::checked, this, &CheckCommands::showProblems);
    connect(&m_list, &QComboBox::activated, this, &CheckCommands::problemChosen);
}

void CheckCommands::checkScript()
{
    m_countWanted = true;
    m_checker.check();
}

void CheckCommands::showProblems(const std::vector<ScriptProblem> &problems)
{
    m_problems = problems;
    while (m_list.count() > 1)
        m_list.removeItem(m_list.count() - 1);
    QStringList items;
    for (const ScriptProblem &problem : problems)
        items << ProblemListText(problem);
    m_list.addItems(items);
    m_list.setCurrentIndex(0);
    m_list.setEnabled(!problems.empty());
    // The checks that follow typing keep the list current without a message on every pause.
    if (std::exchange(m_countWanted, false))
        Q_EMIT statusText(ProblemCountText(problems));
}

void CheckCommands::problemChosen(int index)
{
    if (index > 0 && size_t(index) <= m_problems.size())
        m_checker.goTo(m_problems[size_t(index) - 1]);
}

bool CheckCommands::reportsUnknownCommands() const
{
    return m_options.unknownCommands;
}

void CheckCommands::setReportUnknownCommands(bool report)
{
    if (report == m_options.unknownCommands)
        return;
    m_options.unknownCommands = report;
    m_checker.setOptions(m_options);
    WriteIni(SettingsSection, UnknownCommandsKey, report ? QStringLiteral("1") : QStringLiteral("0"), m_settingsFile);
}
