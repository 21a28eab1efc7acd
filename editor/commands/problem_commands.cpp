// Checking as the user types and Check Project, both shown in the Problems panel.
#include "problem_commands.h"

#include <QFileInfo>

#include "check_commands.h"
#include "document.h"
#include "edit_control.h"
#include "problems_panel.h"
#include "project_check.h"
#include "script_checker.h"

namespace {

QString absoluteFileName(const QString &path)
{
    return path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
}

} // namespace

ProblemCommands::ProblemCommands(ScriptChecker &checker, EditControl &control, Document &document,
                                 ProblemsPanel &panel, QObject *parent)
    : QObject(parent)
    , m_checker(checker)
    , m_control(control)
    , m_document(document)
    , m_panel(panel)
    , m_projectCheck(new ProjectCheck(this))
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(PauseMilliseconds);
    // Each key restarts the wait: the check runs once typing pauses, on the analysis worker.
    connect(&m_control, &EditControl::textEdited, &m_pause, qOverload<>(&QTimer::start));
    connect(&m_pause, &QTimer::timeout, &m_checker, &ScriptChecker::check);
    connect(&m_checker, &ScriptChecker::checked, this, &ProblemCommands::scriptChecked);
    connect(&m_document, &Document::scriptReplaced, this, [this] {
        // Another script: its own problems follow once it is checked. A project's list stays,
        // since its rows open the files they are in.
        if (!m_panel.problems().groupsFiles())
            m_panel.problems().clear();
    });
    connect(m_projectCheck, &ProjectCheck::checked, this, &ProblemCommands::projectChecked);
    connect(&m_panel, &ProblemsPanel::problemChosen, this, &ProblemCommands::goTo);
}

QString ProblemCommands::openPath() const
{
    return absoluteFileName(m_document.scriptFileName());
}

void ProblemCommands::scriptChecked(const std::vector<ScriptProblem> &problems)
{
    m_panel.problems().showScript(openPath(), problems);
}

void ProblemCommands::checkProject(const QString &projectPath, const QStringList &files,
                                   std::shared_ptr<const ScriptProfile> profile, bool unknownCommands)
{
    if (projectPath.isEmpty()) {
        Q_EMIT statusText(QStringLiteral("No project is open: Check Project checks the files of an open project."));
        return;
    }
    if (files.isEmpty()) {
        Q_EMIT statusText(QStringLiteral("The project has no files to check."));
        return;
    }
    if (!profile) {
        Q_EMIT statusText(QStringLiteral("No script server is loaded: the project cannot be checked."));
        return;
    }
    const QString open = openPath();
    std::vector<ProjectSource> sources;
    for (const QString &file : files) {
        const QString path = absoluteFileName(file);
        if (!path.isEmpty() && path == open)
            sources.push_back({path, m_control.text().toStdString()});
        else
            sources.push_back({path, std::nullopt});
    }
    CheckOptions options;
    options.unknownCommands = unknownCommands;
    m_projectCheck->start(std::move(sources), std::move(profile), options);
    m_panel.show();
    Q_EMIT statusText(QStringLiteral("Checking %1 project files..").arg(files.size()));
}

void ProblemCommands::projectChecked(const std::vector<FileProblems> &files)
{
    m_panel.problems().showProject(files);
    std::vector<ScriptProblem> all;
    int unread = 0;
    for (const FileProblems &file : files) {
        all.insert(all.end(), file.problems.begin(), file.problems.end());
        unread += file.error.isEmpty() ? 0 : 1;
    }
    QString text = QStringLiteral("Check Project: ") + ProblemCountText(all);
    if (unread > 0)
        text += unread == 1 ? QStringLiteral(" 1 file could not be read.")
                            : QStringLiteral(" %1 files could not be read.").arg(unread);
    Q_EMIT statusText(text);
}

void ProblemCommands::projectClosed()
{
    m_projectCheck->cancel();
    m_panel.problems().clear();
    m_checker.check();
}

void ProblemCommands::goTo(const ProblemRow &row)
{
    // A row of the text being edited, saved or not, needs no file.
    if (row.file.isEmpty() || row.file == openPath())
        m_checker.goTo(row.problem);
    else
        m_document.showScriptPlace(row.file, row.problem.line, row.problem.column, 0);
}
