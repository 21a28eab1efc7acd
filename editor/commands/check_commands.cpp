// Check Script's command, its list of problems and its status text.
#include "check_commands.h"

#include <QComboBox>

#include "ini.h"
#include "script_checker.h"

namespace {

const QString SettingsSection = QStringLiteral("Check Script");
const QString UnknownCommandsKey = QStringLiteral("Unknown Commands");

} // namespace

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
    m_checker.check();
}

void CheckCommands::showProblems(const std::vector<ScriptProblem> &problems)
{
    m_problems = problems;
    while (m_list.count() > 1)
        m_list.removeItem(m_list.count() - 1);
    for (const ScriptProblem &problem : problems)
        m_list.addItem(QStringLiteral("Line %1: %2").arg(problem.line + 1).arg(QString::fromStdString(problem.message)));
    m_list.setCurrentIndex(0);
    m_list.setEnabled(!problems.empty());
    const size_t count = problems.size();
    Q_EMIT statusText(count == 0   ? QStringLiteral("No problems found.")
                      : count == 1 ? QStringLiteral("1 problem found.")
                                   : QStringLiteral("%1 problems found.").arg(count));
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
