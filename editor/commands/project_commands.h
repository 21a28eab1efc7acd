// The Project menu: the open project, its pane in the main window and its settings dialog.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include "project_file.h"
#include "common_dialogs.h"
#include "text_file.h"
#include "version.h"

class DialogSeam;
class Document;
class ProjectSettingsDialog;
class RecentFiles;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

class ProjectCommands : public QObject
{
    Q_OBJECT

public:
    // version is written into every project file as its "Editor Version".
    ProjectCommands(Document &document, QTreeWidget &projectList, DialogSeam &dialogs, QWidget *owner,
                    const ProgramVersion &version, QObject *parent = nullptr);

    // The open project's file, "" when none is open, and its scripts.
    QString projectPath() const;
    QList<ProjectEntry> projectFiles() const;

    // Each returns whether it did what it was asked. The unsaved-changes question stops the
    // closing of a project (and so New Project and Open Project) when the changes were not saved.
    bool newProject();
    // Asks for a project file and opens it.
    bool chooseAndOpenProject();
    bool openProject(const QString &path);
    bool closeProject();
    // Shows wProject, window-modal, over the main window; returns at once.
    void showProjectProperties();
    // Asks about unsaved changes, then opens the item's script. In the Recent Files view a
    // file that is gone is dropped from the list instead.
    bool projectItemClicked(QTreeWidgetItem *item);

    // The pane shows either the project's files or the recent files (once a list is given).
    void setRecentFiles(RecentFiles *recentFiles);
    void showRecentFiles(bool show);
    bool showingRecentFiles() const;

    void addProjectFile(const QString &path);
    void refreshProjectList();
    FileResult writeProjectFile();

    // The settings dialog while it is shown, else null.
    ProjectSettingsDialog *settingsDialog() const;

Q_SIGNALS:
    void statusText(const QString &text);
    // A project was opened or closed: the menu items that need one follow.
    void projectOpenChanged(bool open);
    // A script chosen in the file list was opened: the user goes on in its text.
    void scriptOpenedFromList();

private:
    // A project file question that opens where the last one of its kind ended.
    QString askProjectFile(FileDialogKind kind, FileDialogMode mode, const QString &title);
    void saveChanges(const QStringList &fileNames);
    bool recentItemClicked(const QString &path);
    bool openItem(QTreeWidgetItem *item);

    Document &m_document;
    QTreeWidget &m_projectList;
    DialogSeam &m_dialogs;
    QWidget *m_owner;
    ProgramVersion m_version;
    QString m_projectPath;
    QList<ProjectEntry> m_projectFiles;
    QPointer<ProjectSettingsDialog> m_settings;
    RecentFiles *m_recentFiles = nullptr;
    bool m_showRecent = false;
    DialogFolders m_folders;
};
