// New, open, insert, save and the unsaved-changes question for the open script.
#include "document.h"

#include "common_dialogs.h"
#include "dialog_seam.h"
#include "edit_control.h"
#include "shell_helpers.h"

#include <QFileInfo>

Document::Document(EditControl &control, DialogSeam &dialogs, QWidget *owner, QObject *parent)
    : QObject(parent)
    , m_control(control)
    , m_dialogs(dialogs)
    , m_owner(owner)
{
    // The control tells us when its text departs from or returns to the saved state.
    connect(&m_control, &EditControl::modificationChanged, this, [this] {
        SetModified(m_control.isModified());
    });
}

QString Document::scriptFileName() const
{
    return m_fileName;
}

bool Document::scriptModified() const
{
    return m_modified;
}

void Document::SetModified(bool modified)
{
    m_modified = modified;
    Q_EMIT modifiedChanged(modified);
}

void Document::ResetScript()
{
    m_fileName.clear();
    SetModified(false);
}

QString Document::askFileName(FileDialogKind kind, const QString &title)
{
    const bool save = kind == FileDialogKind::SaveScript;
    FileDialogRequest request = ScriptFileRequest(m_owner, save ? FileDialogMode::Save : FileDialogMode::Open, title);
    request.initialFolder = m_folders.folder(kind);
    if (save) {
        // An untitled script is offered a name the script folders and quillcheck look for.
        const QFileInfo current(m_fileName);
        request.initialName = m_fileName.isEmpty() ? QStringLiteral("untitled.txt") : current.fileName();
        if (request.initialFolder.isEmpty() && !m_fileName.isEmpty())
            request.initialFolder = current.absolutePath();
        request.defaultExtension = QStringLiteral("txt");
    }
    const QString path = m_dialogs.fileName(request);
    m_folders.remember(kind, path);
    return path;
}

bool Document::NewScript()
{
    if (!PromptSaveModified())
        return false;
    m_control.resetDocument();
    ResetScript();
    Q_EMIT statusText(QStringLiteral("Script has been cleared."));
    return true;
}

bool Document::OpenScript()
{
    // Asked before the dialog, so the user's changes are never dropped by a load.
    if (!PromptSaveModified())
        return false;
    const QString path = askFileName(FileDialogKind::OpenScript, QStringLiteral("Select an NPC Script to open.."));
    if (path.isEmpty())
        return false;
    return OpenScriptFile(path, false);
}

bool Document::OpenScriptFile(const QString &path, bool quiet)
{
    const QString previousName = m_fileName;
    const bool previousModified = m_modified;
    m_fileName = path;
    SetModified(false);
    const FileResult result = m_control.openFile(path);
    if (!result) {
        // The text is untouched, so name and flag go back to what they described.
        m_fileName = previousName;
        SetModified(previousModified);
        Q_EMIT statusText(QStringLiteral("There was an error trying to open the selected file: ")
                          + result.error);
        return false;
    }
    if (!quiet)
        Q_EMIT statusText(QStringLiteral("The selected script has been loaded successfully."));
    Q_EMIT scriptFileUsed(path);
    return true;
}

bool Document::InsertFile()
{
    const QString path = askFileName(FileDialogKind::InsertFile, QStringLiteral("Select file to insert.."));
    if (!FileExists(path))
        return false;
    int line = 0;
    int column = 0;
    m_control.getCursorPosition(&line, &column);
    const FileResult result = m_control.insertFile(path, line, column);
    if (!result) {
        Q_EMIT statusText(QStringLiteral("There was an error trying to open the selected file: ")
                          + result.error);
        return false;
    }
    return true;
}

bool Document::SaveScript()
{
    if (m_fileName.isEmpty())
        return SaveScriptAs();
    const FileResult result = m_control.saveFile(m_fileName);
    if (!result) {
        Q_EMIT statusText(QStringLiteral("There was an error trying to save the script: ") + result.error);
        return false;
    }
    Q_EMIT statusText(QStringLiteral("The script has been saved successfully."));
    Q_EMIT scriptFileUsed(m_fileName);
    return true;
}

bool Document::SaveScriptAs()
{
    const QString path = askFileName(FileDialogKind::SaveScript, QStringLiteral("Enter filename for this script.."));
    if (path.isEmpty()) {
        Q_EMIT statusText(QStringLiteral("Script saving cancelled - no filename entered."));
        return false;
    }
    // The script keeps its name until a file really holds it, as after a failed load.
    const QString previousName = m_fileName;
    m_fileName = path;
    if (SaveScript())
        return true;
    m_fileName = previousName;
    return false;
}

bool Document::PromptSaveModified()
{
    if (!m_modified)
        return true;
    const MsgBoxAnswer answer = m_dialogs.msgBoxEx(
        {QStringLiteral("The current script has been modified. Would you like to save it?"),
         MsgBoxIcon::Question, MsgBoxButtons::YesNo, QStringLiteral("Modified script..")});
    if (answer == MsgBoxAnswer::Yes)
        return SaveScript();
    return answer == MsgBoxAnswer::No;
}
