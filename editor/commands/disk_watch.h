// Notices when another program changes or deletes the open script's file.
#pragma once

#include <QObject>
#include <QString>

class QFileSystemWatcher;

// What the file on disk looked like: enough to tell that someone else has written it since.
struct FileStamp
{
    bool exists = false;
    qint64 size = -1;
    qint64 modifiedNs = 0;   // modification time, nanoseconds since the epoch
    quint64 inode = 0;       // an atomic save by another program gives the name a new file
    bool operator==(const FileStamp &other) const;
    bool operator!=(const FileStamp &other) const { return !(*this == other); }
};
FileStamp StampOf(const QString &path);

enum class DiskState { Unchanged, Changed, Deleted };

class DiskWatch : public QObject
{
    Q_OBJECT

public:
    explicit DiskWatch(QObject *parent = nullptr);

    // Watches path, taking its present state as the one the editor holds (after a load or a save).
    void follow(const QString &path);
    // Nothing is watched (a new, untitled script).
    void forget();
    QString path() const;
    // How the file differs from the state taken by follow().
    DiskState state() const;

Q_SIGNALS:
    // The file on disk no longer is what the editor loaded or saved; told once per change.
    void changedOnDisk(DiskState state);

private:
    void check();

    QFileSystemWatcher *m_watcher = nullptr;
    QString m_path;
    FileStamp m_stamp;
    // The last state reported, so that several notices of one change are told once.
    FileStamp m_reported;
};
