// The Recent Files list: the last scripts opened or saved, newest first, kept in Settings.ini.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

inline constexpr int RecentFilesLimit = 10;

// list with path at the top: an earlier entry for the same path leaves, and the list is cut to
// RecentFilesLimit.
QStringList WithRecentFile(const QStringList &list, const QString &path);

// Settings.ini's "Recent Files" section, keys "File1" (newest) to "File10". Empty values and
// repeats are skipped when reading; saving writes all ten keys, empty past the list's end.
QStringList LoadRecentFiles(const QString &settingsFile);
bool SaveRecentFiles(const QStringList &files, const QString &settingsFile);

// The list while the editor runs: read at start, written to Settings.ini on every change.
class RecentFiles : public QObject
{
    Q_OBJECT

public:
    explicit RecentFiles(const QString &settingsFile, QObject *parent = nullptr);

    QStringList files() const;
    void noteFile(const QString &path);
    void dropFile(const QString &path);

Q_SIGNALS:
    void changed();

private:
    void store(const QStringList &files);

    QString m_settingsFile;
    QStringList m_files;
};
