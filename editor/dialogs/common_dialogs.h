// File, colour and font questions as the editor's commands ask them, over the dialog seam.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <array>

#include "dialog_seam.h"

class DialogSeam;
class QWidget;

// The filter every caller passes.
QString AllFilesFilter();

enum class FileDialogMode { Open, Save };

// The question every command asks for a file: any file, no initial name or folder.
FileDialogRequest AnyFileRequest(QWidget *owner, FileDialogMode mode, const QString &title);

// "NPC Scripts (*.txt)" first, then all files: the filter of the questions for a script.
QString ScriptFilesFilter();
FileDialogRequest ScriptFileRequest(QWidget *owner, FileDialogMode mode, const QString &title);

// The kinds of file question that remember where they were last answered.
enum class FileDialogKind { OpenScript, SaveScript, InsertFile, OpenProject, NewProject };

// The folder each kind of file question last ended in, so the next one of that kind opens there:
// scripts may live in one folder and projects in another.
class DialogFolders
{
public:
    // Empty until a question of that kind was answered.
    QString folder(FileDialogKind kind) const;
    // Keeps the folder of the chosen file; a cancelled question (empty path) changes nothing.
    void remember(FileDialogKind kind, const QString &chosenFile);

private:
    std::array<QString, 5> m_folders;
};

// Turns a "¬"-separated description/pattern list into a Qt file dialog filter
// ("(*.*) All Files¬*.*" becomes "(*.*) All Files (*)"; ";" separates several patterns).
QString QtFileFilter(const QString &filter);

// On OK sets target to the chosen colour and returns true; otherwise target is untouched.
bool ShowColourDialog(DialogSeam &seam, QWidget *owner, QColor &target, const QColor &initialColour);

// Opens on target; on OK sets target's face, styles and size (rounded to a whole point,
// halves to even) and returns true; otherwise target is untouched.
bool ShowFontDialog(DialogSeam &seam, QWidget *owner, QFont &target);

// Colours as numbers in the script files and the settings file: 0x00BBGGRR, red in the low byte.
QColor ColourFromBgr(quint32 bgr);
quint32 ColourToBgr(const QColor &colour);
