// New, open, insert, save and the unsaved-changes question for the open script.
#include "document.h"

#include "common_dialogs.h"
#include "dialog_seam.h"
#include "disk_watch.h"
#include "edit_control.h"
#include "jump_placement.h"
#include "shell_helpers.h"

#include <QFile>
#include <QFileInfo>

namespace {

// NUL bytes in its first 8 KB: the file is most likely not a script at all.
bool looksBinary(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(8 * 1024).contains('\0');
}

} // namespace

Document::Document(EditControl &control, DialogSeam &dialogs, QWidget *owner, QObject *parent)
    : QObject(parent)
    , m_control(control)
    , m_dialogs(dialogs)
    , m_owner(owner)
    , m_watch(new DiskWatch(this))
{
    connect(m_watch, &DiskWatch::changedOnDisk, this, &Document::changedOnDisk);
    // The control tells us when its text departs from or returns to the saved state.
    connect(&m_control, &EditControl::modificationChanged, this, [this] {
        setScriptModified(m_control.isModified());
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

void Document::setScriptModified(bool modified)
{
    m_modified = modified;
    Q_EMIT modifiedChanged(modified);
}

void Document::resetScript()
{
    m_fileName.clear();
    m_watch->forget();
    setScriptModified(false);
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

bool Document::newScript()
{
    if (!promptSaveModified())
        return false;
    m_control.resetDocument();
    resetScript();
    Q_EMIT scriptReplaced();
    Q_EMIT statusText(QStringLiteral("Script has been cleared."));
    return true;
}

bool Document::openScript()
{
    // Asked before the dialog, so the user's changes are never dropped by a load.
    if (!promptSaveModified())
        return false;
    const QString path = askFileName(FileDialogKind::OpenScript, QStringLiteral("Select an NPC Script to open.."));
    if (path.isEmpty())
        return false;
    return openScriptFile(path, false);
}

bool Document::openScriptFile(const QString &path, bool quiet)
{
    const QString previousName = m_fileName;
    const bool previousModified = m_modified;
    m_fileName = path;
    setScriptModified(false);
    const FileResult result = m_control.openFile(path);
    if (!result) {
        // The text is untouched, so name and flag go back to what they described.
        m_fileName = previousName;
        setScriptModified(previousModified);
        Q_EMIT statusText(QStringLiteral("There was an error trying to open the selected file: ")
                          + result.error);
        return false;
    }
    m_watch->follow(path);
    Q_EMIT scriptReplaced();
    if (!quiet)
        Q_EMIT statusText(QStringLiteral("The selected script has been loaded successfully."));
    if (looksBinary(path))
        Q_EMIT statusText(QStringLiteral("The file does not look like a script: it holds NUL bytes. "
                                         "It is kept byte for byte."));
    Q_EMIT scriptFileUsed(path);
    return true;
}

bool Document::showScriptPlace(const QString &path, int line, int column, int length)
{
    const bool open = path.isEmpty() || (!m_fileName.isEmpty() && QFileInfo(m_fileName) == QFileInfo(path));
    if (!open && (!promptSaveModified() || !openScriptFile(path, false)))
        return false;
    m_control.setSelection(line, column, line, column + length);
    PlaceJumpedLine(m_control, line);
    m_control.setFocus();
    return true;
}

bool Document::insertScriptFile()
{
    const QString path = askFileName(FileDialogKind::InsertFile, QStringLiteral("Select file to insert.."));
    if (!fileExists(path))
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

bool Document::saveScript()
{
    if (m_fileName.isEmpty())
        return saveScriptAs();
    if (!mayOverwrite())
        return false;
    const FileResult result = m_control.saveFile(m_fileName);
    if (!result) {
        Q_EMIT statusText(QStringLiteral("There was an error trying to save the script: ") + result.error);
        return false;
    }
    m_watch->follow(m_fileName);
    Q_EMIT statusText(QStringLiteral("The script has been saved successfully."));
    Q_EMIT scriptFileUsed(m_fileName);
    return true;
}

bool Document::saveScriptAs()
{
    const QString path = askFileName(FileDialogKind::SaveScript, QStringLiteral("Enter filename for this script.."));
    if (path.isEmpty()) {
        Q_EMIT statusText(QStringLiteral("Script saving cancelled - no filename entered."));
        return false;
    }
    // The script keeps its name until a file really holds it, as after a failed load.
    const QString previousName = m_fileName;
    m_fileName = path;
    if (saveScript())
        return true;
    m_fileName = previousName;
    return false;
}

void Document::changedOnDisk(DiskState state)
{
    if (state == DiskState::Deleted) {
        Q_EMIT statusText(QStringLiteral("The script's file was deleted from the disk; saving writes it again."));
        return;
    }
    // Nothing of the user's would be lost, so the newer text is simply taken.
    if (!m_modified) {
        reload(QStringLiteral("The script was changed by another program and has been reloaded."));
        return;
    }
    Q_EMIT statusText(QStringLiteral("The script was changed by another program; saving asks what to do."));
}

bool Document::reload(const QString &status)
{
    int line = 0;
    int column = 0;
    m_control.getCursorPosition(&line, &column);
    const int firstVisible = m_control.firstVisibleLine();
    const FileResult result = m_control.openFile(m_fileName);
    if (!result) {
        Q_EMIT statusText(QStringLiteral("There was an error trying to open the selected file: ") + result.error);
        return false;
    }
    m_watch->follow(m_fileName);
    m_control.setCursorPosition(qMin(line, qMax(0, m_control.lines() - 1)), 0);
    m_control.setFirstVisibleLine(firstVisible);
    Q_EMIT statusText(status);
    return true;
}

bool Document::mayOverwrite()
{
    // A deleted file was reported when it went; saving simply writes it again.
    if (m_watch->path() != QFileInfo(m_fileName).absoluteFilePath() || m_watch->state() != DiskState::Changed)
        return true;
    const int answer = m_dialogs.choice(
        {m_owner, QStringLiteral("Changed on disk.."),
         QStringLiteral("Another program has changed the script's file since it was opened or saved. "
                        "Reload it and lose your changes, overwrite it with your text, or cancel?"),
         MsgBoxIcon::Warning,
         {QStringLiteral("Reload"), QStringLiteral("Overwrite"), QStringLiteral("Cancel")}});
    const bool known = answer >= 0 && answer <= int(ChangedFileAnswer::Cancel);
    switch (known ? static_cast<ChangedFileAnswer>(answer) : ChangedFileAnswer::Cancel) {
    case ChangedFileAnswer::Overwrite:
        return true;
    case ChangedFileAnswer::Reload:
        reload(QStringLiteral("The script has been reloaded from the disk."));
        return false;
    case ChangedFileAnswer::Cancel:
        break;
    }
    Q_EMIT statusText(QStringLiteral("Script saving cancelled - the file changed on disk."));
    return false;
}

bool Document::promptSaveModified()
{
    if (!m_modified)
        return true;
    const MsgBoxAnswer answer = m_dialogs.msgBoxEx(
        {QStringLiteral("The current script has been modified. Would you like to save it?"),
         MsgBoxIcon::Question, MsgBoxButtons::YesNo, QStringLiteral("Modified script..")});
    if (answer == MsgBoxAnswer::Yes)
        return saveScript();
    return answer == MsgBoxAnswer::No;
}
