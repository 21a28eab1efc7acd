// Shell launching and the small file and path helpers every program uses.
#pragma once

#include <QString>

#include <functional>

class QWidget;

// Shows the launch's one failure message, through the caller's dialog seam, so that every message
// of a program can be answered by its tests.
using ShellFailureReport = std::function<void(QWidget *owner, const QString &title, const QString &text)>;

// The environment variable in which a started program finds its owner window's frame,
// "x,y,width,height", so that it can open over it.
inline constexpr char OwnerWindowVariable[] = "QUILLMERE_OWNER_WINDOW";

// Opens file through the desktop: an executable file starts as a detached process with parameters
// as its one argument (in folder when given), told owner's window in OwnerWindowVariable;
// anything else (a web address, a picture, a document)
// goes to the desktop's default handler. A failure is handed to report once (an empty report
// says nothing). Returns whether the launch worked; callers may ignore it.
// The desktop decides how a started program shows itself.
bool shellExecute(const QString &file, const QString &parameters, QWidget *owner, const QString &folder,
                  const ShellFailureReport &report);

// The title and text of the launch's failure message.
QString shellExecuteFailureTitle();
QString shellExecuteFailureText();

// The text after the last separator; without one, "" when emptyIfNone, else the text.
QString textAfterLast(const QString &text, const QString &separator, bool emptyIfNone);

// True when the file's length can be read (an existing file, not a folder).
bool fileExists(const QString &path);

// Deletes the file, ignoring every error.
void deleteFileQuietly(const QString &path);

// Appends "/" unless path already ends in one; updates path and returns it.
QString addTrailingSeparator(QString &path);

// name + extension unless name already ends with it (case-insensitive); then every "//" becomes "/".
QString ensureExtension(const QString &name, const QString &extension);

// The whole file as text (UTF-8, or Windows-1252 when not valid UTF-8); "" on any error.
QString readWholeFile(const QString &path);
