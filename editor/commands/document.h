// The one open script: its file name, its modified flag and the File menu commands.
#pragma once

#include <QObject>
#include <QString>

#include "common_dialogs.h"

class DialogSeam;
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
    void SetModified(bool modified);
    void ResetScript();

    // Each returns whether it did what it was asked (false: cancelled, refused or failed).
    bool NewScript();
    bool OpenScript();
    bool OpenScriptFile(const QString &path, bool quiet);
    bool InsertFile();
    bool SaveScript();
    bool SaveScriptAs();
    // Asks about unsaved changes; true when the caller may go on (nothing to save, No, or
    // Yes and the save happened), false when it must stop.
    bool PromptSaveModified();

Q_SIGNALS:
    void statusText(const QString &text);
    void modifiedChanged(bool modified);
    // A script file was opened or saved: the Recent Files list follows.
    void scriptFileUsed(const QString &path);

private:
    QString askFileName(FileDialogKind kind, const QString &title);

    EditControl &m_control;
    DialogSeam &m_dialogs;
    QWidget *m_owner;
    QString m_fileName;
    bool m_modified = false;
    DialogFolders m_folders;
};
