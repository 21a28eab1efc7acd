// Notices when another program changes or deletes the open script's file.
#pragma once

#include <QObject>
#include <QString>

#include "file_stamp.h"

class QFileSystemWatcher;

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
