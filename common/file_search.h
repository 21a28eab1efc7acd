// Searching many script files for a text or a regular expression, a line at a time, without any
// window: the matcher, the files of a folder and the search of one file's bytes.
#pragma once

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

struct FileSearchQuery
{
    QString text;
    bool regularExpression = false;
    bool matchCase = false;
    bool wholeWord = false;
};

// One match. Line and column count from 0, in characters of the line (UTF-16 units, as the
// editor's columns are).
struct FileSearchHit
{
    QString path;
    int line = 0;
    int column = 0;
    int length = 0;
    // The line around the match, at most ExcerptLength characters of it (a script on one line
    // of megabytes has thousands of matches), and where in the line it starts.
    QString excerpt;
    int excerptStart = 0;

    static constexpr int ExcerptLength = 240;
};

// The query compiled once for every line of every file.
class LineMatcher
{
public:
    explicit LineMatcher(const FileSearchQuery &query);

    // False for an empty text or a regular expression that does not compile.
    bool isValid() const;
    // Why the query cannot be searched for, in a sentence; empty when it can.
    QString errorText() const;

    // Start and length of each match in line, left to right, none overlapping. A match of no
    // characters (such as "^") counts once where it stands.
    QList<QPair<int, int>> matches(const QString &line) const;

private:
    QRegularExpression m_expression;
    QString m_error;
};

// Every file under folder and its sub-folders, sorted by path, hidden ones left out.
QStringList FilesInFolder(const QString &folder);

// The matches in one file's bytes, decoded as the editor decodes them (UTF-8 or the likeliest
// code page). A file with NUL bytes in its first 8 KB is not text, and gives none.
QList<FileSearchHit> SearchFileBytes(const QString &path, const QByteArray &bytes, const LineMatcher &matcher);

// Searches files in order until done or cancelled. found gets each file's hits (files without
// hits are left out) and progress the count of files done; both run on the searching thread.
// Files that cannot be read are skipped: a search does not stop for one of them.
struct FileSearchCallbacks
{
    std::function<void(const QList<FileSearchHit> &)> found;
    std::function<void(int done)> progress;
};
void SearchFiles(const QStringList &files, const LineMatcher &matcher, const std::atomic<bool> &cancelled,
                 const FileSearchCallbacks &callbacks);
