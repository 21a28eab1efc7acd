// Scripts handed to the editor on its command line (by a file manager or a terminal).
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class Document;

// The file arguments after the program's name, as absolute paths; "file:" URLs become paths.
QStringList CommandLineFiles(const QStringList &arguments);

// Opens the first file as Open File does, without the dialog; the others are not opened, since
// only one script is open at a time, and status says so. A file that cannot be read leaves the
// open-error message. No files: nothing happens. Returns whether a script was opened.
bool OpenCommandLineFiles(Document &document, const QStringList &files,
                          const std::function<void(const QString &)> &status);
