// The Problems panel's commands: checking as the user types, Check Project, and going to a
// problem, in the open script or in another file of the project.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <vector>

#include "problem_list.h"

class Document;
class EditControl;
class ProblemsPanel;
class ProjectCheck;
class ScriptChecker;
struct ScriptProfile;

class ProblemCommands : public QObject
{
    Q_OBJECT

public:
    // How long typing must pause before the script is checked again: with the analysis of a
    // script of common size, the panel follows within half a second of the last key.
    static constexpr int PauseMilliseconds = 400;

    ProblemCommands(ScriptChecker &checker, EditControl &control, Document &document, ProblemsPanel &panel,
                    QObject *parent = nullptr);

    // Checks the files of the project at projectPath together; the open one as it is being
    // edited. An empty projectPath means no project is open, which the status text says.
    void checkProject(const QString &projectPath, const QStringList &files,
                      std::shared_ptr<const ScriptProfile> profile, bool unknownCommands);
    // The project's list gives way to the open script's own problems.
    void projectClosed();
    // Puts the caret on row's problem, opening its file first when it is another; the open
    // script's unsaved changes are asked about as Open does.
    void goTo(const ProblemRow &row);

Q_SIGNALS:
    void statusText(const QString &text);

private:
    void scriptChecked(const std::vector<ScriptProblem> &problems);
    void projectChecked(const std::vector<FileProblems> &files);
    QString openPath() const;

    ScriptChecker &m_checker;
    EditControl &m_control;
    Document &m_document;
    ProblemsPanel &m_panel;
    ProjectCheck *m_projectCheck = nullptr;
    QTimer m_pause;
};
