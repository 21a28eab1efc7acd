// The one open script: its file name, its modified flag and the File menu commands.
#pragma once

#include <QObject>
#include <QString>

#include "common_dialogs.h"

class DialogSeam;
class DiskWatch;
enum class DiskState;
class EditControl;
class QWidget;

class Document : public QObject
{
    Q_OBJECT

public:
    Document(EditControl &control, DialogSeam &dialogs, QWidget *owner, QObject *parent = nullptr);

    QString scriptFileName() const;
    bool scriptModified() const;

    // Stores the flag and tells the modified panel.
    void setScriptModified(bool modified);
    void resetScript();

    // Each returns whether it did what it was asked (false: cancelled, refused or failed).
    bool newScript();
    bool openScript();
    bool openScriptFile(const QString &path, bool quiet);
    // Shows a place in a script: the open one (an empty path names it too, untitled or not),
    // or path opened after asking about unsaved changes. Selects length characters from line and column (from 0) and puts the line in
    // the upper part of the view.
    bool showScriptPlace(const QString &path, int line, int column, int length);
    bool insertScriptFile();
    bool saveScript();
    bool saveScriptAs();
    // Asks about unsaved changes; true when the caller may go on (nothing to save, No, or
    // Yes and the save happened), false when it must stop.
    bool promptSaveModified();

Q_SIGNALS:
    void statusText(const QString &text);
    void modifiedChanged(bool modified);
    // A script file was opened or saved: the Recent Files list follows.
    void scriptFileUsed(const QString &path);
    // New or Open put another script in the text area.
    void scriptReplaced();

private:
    // The answers to the question asked when saving over a file another program has changed.
    enum class ChangedFileAnswer { Reload, Overwrite, Cancel };

    void changedOnDisk(DiskState state);
    // Loads the file again, losing the edits; the caret stays on its line.
    bool reload(const QString &status);
    // Whether saving may write over the file as it is on disk now.
    bool mayOverwrite();
    QString askFileName(FileDialogKind kind, const QString &title);

    EditControl &m_control;
    DialogSeam &m_dialogs;
    QWidget *m_owner;
    DiskWatch *m_watch = nullptr;
    QString m_fileName;
    bool m_modified = false;
    DialogFolders m_folders;
};
