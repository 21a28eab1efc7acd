// New, open and close a project, its settings dialog, and opening scripts from the project pane.
#include "project_commands.h"

#include "common_dialogs.h"
#include "dialog_seam.h"
#include "document.h"
#include "project_file.h"
#include "project_settings_dialog.h"
#include "recent_files.h"
#include "shell_helpers.h"

#include <QFileInfo>
#include <QKeySequence>
#include <QShortcut>
#include <QTreeWidget>

ProjectCommands::ProjectCommands(Document &document, QTreeWidget &projectList, DialogSeam &dialogs,
                                 QWidget *owner, const ProgramVersion &version, QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_projectList(projectList)
    , m_dialogs(dialogs)
    , m_owner(owner)
    , m_version(version)
{
    // A double click opens the script once: the second click of it is not reported as a click.
    connect(&m_projectList, &QTreeWidget::itemClicked, this, &ProjectCommands::projectItemClicked);
    // From the keyboard, Enter opens the current item as a click does.
    for (const QKeySequence &key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto *shortcut = new QShortcut(key, &m_projectList, nullptr, nullptr, Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this,
                [this] { projectItemClicked(m_projectList.currentItem()); });
    }
}

QString ProjectCommands::projectPath() const
{
    return m_projectPath;
}

QList<ProjectEntry> ProjectCommands::projectFiles() const
{
    return m_projectFiles;
}

QString ProjectCommands::askProjectFile(FileDialogKind kind, FileDialogMode mode, const QString &title)
{
    FileDialogRequest request = AnyFileRequest(m_owner, mode, title);
    request.initialFolder = m_folders.folder(kind);
    const QString path = m_dialogs.fileName(request);
    m_folders.remember(kind, path);
    return path;
}

bool ProjectCommands::newProject()
{
    const QString name = askProjectFile(FileDialogKind::NewProject, FileDialogMode::Save,
                                        QStringLiteral("Enter filename for new Project file.."));
    // Even a cancelled New Project leaves no project open.
    if (!closeProject() || name.isEmpty())
        return false;
    // The file itself is first written by Save Changes.
    m_projectPath = ensureExtension(name, QStringLiteral(".prj"));
    Q_EMIT projectOpenChanged(true);
    showProjectProperties();
    return true;
}

bool ProjectCommands::chooseAndOpenProject()
{
    const QString path = askProjectFile(FileDialogKind::OpenProject, FileDialogMode::Open,
                                        QStringLiteral("Select project file to open.."));
    return !path.isEmpty() && openProject(path);
}

bool ProjectCommands::openProject(const QString &path)
{
    const auto contents = readProjectFile(path);
    if (!contents) {
        Q_EMIT statusText(QStringLiteral("The selected file was not a valid Quillmere project file."));
        return false;
    }
    // The open project goes first, so the two file lists never mix.
    if (!m_projectPath.isEmpty() && !closeProject())
        return false;
    m_projectPath = path;
    Q_EMIT projectOpenChanged(true);
    for (const QString &fileName : contents->fileNames)
        addProjectFile(fileName);
    refreshProjectList();
    Q_EMIT statusText(QStringLiteral("The selected project file contained %1 files.").arg(contents->totalFiles));
    return true;
}

bool ProjectCommands::closeProject()
{
    if (!m_document.newScript())
        return false;
    m_projectFiles.clear();
    m_projectPath.clear();
    // The Recent Files view stays as it is.
    refreshProjectList();
    Q_EMIT projectOpenChanged(false);
    Q_EMIT statusText(QStringLiteral("The current project has been closed."));
    return true;
}

void ProjectCommands::showProjectProperties()
{
    if (m_settings)
        m_settings->close();
    m_settings = new ProjectSettingsDialog(m_dialogs, m_owner);
    m_settings->setAttribute(Qt::WA_DeleteOnClose);
    QStringList fileNames;
    for (const ProjectEntry &entry : std::as_const(m_projectFiles))
        fileNames.append(entry.fileName);
    m_settings->load(fileNames);
    connect(m_settings, &ProjectSettingsDialog::saveChangesRequested, this, &ProjectCommands::saveChanges);
    // Modal for the user, yet the caller (and a test) goes on at once.
    m_settings->open();
}

bool ProjectCommands::projectItemClicked(QTreeWidgetItem *item)
{
    if (!openItem(item))
        return false;
    Q_EMIT scriptOpenedFromList();
    return true;
}

bool ProjectCommands::openItem(QTreeWidgetItem *item)
{
    if (item && m_showRecent)
        return recentItemClicked(item->data(0, Qt::UserRole).toString());
    if (!item || !m_document.promptSaveModified())
        return false;
    return m_document.openScriptFile(item->data(0, Qt::UserRole).toString(), false);
}

void ProjectCommands::addProjectFile(const QString &path)
{
    m_projectFiles.append(projectEntry(path));
}

void ProjectCommands::setRecentFiles(RecentFiles *recentFiles)
{
    m_recentFiles = recentFiles;
    connect(m_recentFiles, &RecentFiles::changed, this, [this] {
        if (m_showRecent)
            refreshProjectList();
    });
}

void ProjectCommands::showRecentFiles(bool show)
{
    m_showRecent = show && m_recentFiles;
    m_projectList.setHeaderLabels({m_showRecent ? QStringLiteral("Recent Files") : QStringLiteral("Project Files")});
    refreshProjectList();
}

bool ProjectCommands::showingRecentFiles() const
{
    return m_showRecent;
}

bool ProjectCommands::recentItemClicked(const QString &path)
{
    // A file that is gone is not worth the unsaved-changes question.
    if (!QFileInfo(path).isFile()) {
        m_recentFiles->dropFile(path);
        // The name alone, so the status panel shows all of it.
        Q_EMIT statusText(QStringLiteral("%1 no longer exists: removed from Recent Files.").arg(QFileInfo(path).fileName()));
        return false;
    }
    if (!m_document.promptSaveModified())
        return false;
    return m_document.openScriptFile(path, false);
}

void ProjectCommands::refreshProjectList()
{
    m_projectList.clear();
    if (m_showRecent) {
        for (const QString &path : m_recentFiles->files()) {
            auto *item = new QTreeWidgetItem(&m_projectList, {QFileInfo(path).fileName()});
            item->setData(0, Qt::UserRole, path);
            item->setToolTip(0, path);
        }
        return;
    }
    for (const ProjectEntry &entry : std::as_const(m_projectFiles)) {
        auto *item = new QTreeWidgetItem(&m_projectList, {entry.filePart});
        item->setData(0, Qt::UserRole, entry.fileName);
        item->setToolTip(0, entry.fileName);
    }
}

FileResult ProjectCommands::writeProjectFile()
{
    return saveProjectFile(m_projectPath, m_projectFiles, m_version);
}

ProjectSettingsDialog *ProjectCommands::settingsDialog() const
{
    return m_settings;
}

void ProjectCommands::saveChanges(const QStringList &fileNames)
{
    const QList<ProjectEntry> previous = m_projectFiles;
    m_projectFiles.clear();
    for (const QString &name : fileNames)
        addProjectFile(name);
    const FileResult result = writeProjectFile();
    if (!result) {
        // The project stays as its file last held it, and the dialog stays open to try again.
        m_projectFiles = previous;
        const QString text = QStringLiteral("The project file could not be saved: ") + result.error;
        Q_EMIT statusText(text);
        m_dialogs.msgBoxEx({text, MsgBoxIcon::Error, MsgBoxButtons::Okay, QStringLiteral("Project not saved..")});
        return;
    }
    refreshProjectList();
    if (m_settings)
        m_settings->accept();
}
