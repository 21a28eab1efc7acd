// Check Script's command, its list of problems and its status text.
#include "check_commands.h"

#include <QAbstractListModel>
#include <QComboBox>
#include <QListView>

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

// The caption, then the problems; a problem's text is made only when the list shows it, so that
// thousands of problems fill the list at once.
class ProblemEntries : public QAbstractListModel
{
public:
    ProblemEntries(const QString &caption, QObject *parent) : QAbstractListModel(parent), m_caption(caption) {}

    void reset(std::vector<ScriptProblem> problems)
    {
        beginResetModel();
        m_problems = std::move(problems);
        endResetModel();
    }

    const std::vector<ScriptProblem> &problems() const { return m_problems; }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_problems.size()) + 1;
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::AccessibleTextRole)
            return {};
        return index.row() == 0 ? m_caption : ProblemListText(m_problems[size_t(index.row() - 1)]);
    }

private:
    QString m_caption;
    std::vector<ScriptProblem> m_problems;
};

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
    connect(&m_list, &QComboBox::activated, this, &CheckCommands::goToListedProblem);
}

void CheckCommands::checkScript()
{
    m_countWanted = true;
    m_checker.check();
}

void CheckCommands::showProblems(const std::vector<ScriptProblem> &problems)
{
    if (!m_entries) {
        // The caption the window gave item 0 stays item 0; measuring every problem for the
        // list's width would take long.
        m_entries = new ProblemEntries(m_list.itemText(0), &m_list);
        m_list.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        if (auto *view = qobject_cast<QListView *>(m_list.view()))
            view->setUniformItemSizes(true);
        m_list.setModel(m_entries);
    }
    m_entries->reset(problems);
    m_list.setCurrentIndex(0);
    m_list.setEnabled(!problems.empty());
    // The checks that follow typing keep the list current without a message on every pause.
    if (std::exchange(m_countWanted, false))
        Q_EMIT statusText(ProblemCountText(problems));
}

void CheckCommands::goToListedProblem(int index)
{
    if (m_entries && index > 0 && size_t(index) <= m_entries->problems().size())
        m_checker.goTo(m_entries->problems()[size_t(index) - 1]);
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
