// Project files: the entries of a project and the ".prj" INI file that lists them.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

#include "text_file.h"
#include "version.h"

// A damaged "Total Files" must not fill memory with empty entries; larger counts are cut to this.
inline constexpr int MaxProjectFiles = 100000;

// The bare file name shown in the project pane: the text after the last "/", or after the last
// "\" for a Windows path without "/"; "" for a path without either.
QString projectFilePart(const QString &path);

// One script of a project.
struct ProjectEntry
{
    QString fileName;   // the whole path
    QString filePart;   // the bare name the pane shows

    bool operator==(const ProjectEntry &other) const
    {
        return fileName == other.fileName && filePart == other.filePart;
    }
};

// The entry of a script's path, its bare name taken from the path.
ProjectEntry projectEntry(const QString &path);
// An entry as the project file holds it: "FILENAME=" + path + "¬FILEPART=" + bare name.
QString projectEntryText(const ProjectEntry &entry);

// The key of entry number (counted from 1): "001-File" to "999-File", then "1000-File".
QString projectEntryKey(int number);

// "Editor Version": major, minor as two digits, revision as four, run together (0.10.26: 0100026).
QString editorVersionText(const ProgramVersion &version);

// The whole project file, UTF-8 with CR LF, as the INI layer would write it key by key.
QByteArray projectFileBytes(const QList<ProjectEntry> &entries, const ProgramVersion &version);

// Writes the whole project file at once, atomically; refuses a path that no entry can hold.
FileResult saveProjectFile(const QString &path, const QList<ProjectEntry> &entries, const ProgramVersion &version);

struct ProjectFileContents
{
    // "Total Files" as read (0 when missing or not a number).
    int totalFiles = 0;
    // Each entry's FILENAME, in key order; "" for a missing key.
    QStringList fileNames;
};

// Nothing when the file is not a project file (no "Editor Version", or one that reads as 0).
std::optional<ProjectFileContents> readProjectFile(const QString &path);
