// Watching the open script's file: the file itself, and its folder for a file that is replaced
// or deleted (the watch on a file name ends with the file it was set on).
#include "disk_watch.h"

#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>

DiskWatch::DiskWatch(QObject *parent)
    : QObject(parent)
    , m_watcher(new QFileSystemWatcher(this))
{
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &DiskWatch::check);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &DiskWatch::check);
}

void DiskWatch::follow(const QString &path)
{
    forget();
    m_path = QFileInfo(path).absoluteFilePath();
    m_stamp = StampOf(m_path);
    m_reported = m_stamp;
    m_watcher->addPath(QFileInfo(m_path).absolutePath());
    if (m_stamp.exists)
        m_watcher->addPath(m_path);
}

void DiskWatch::forget()
{
    const QStringList watched = m_watcher->files() + m_watcher->directories();
    if (!watched.isEmpty())
        m_watcher->removePaths(watched);
    m_path.clear();
    m_stamp = FileStamp();
    m_reported = FileStamp();
}

QString DiskWatch::path() const
{
    return m_path;
}

DiskState DiskWatch::state() const
{
    if (m_path.isEmpty())
        return DiskState::Unchanged;
    const FileStamp now = StampOf(m_path);
    if (now == m_stamp)
        return DiskState::Unchanged;
    return now.exists ? DiskState::Changed : DiskState::Deleted;
}

void DiskWatch::check()
{
    if (m_path.isEmpty())
        return;
    const FileStamp now = StampOf(m_path);
    // A file written anew under the name needs a new watch.
    if (now.exists && !m_watcher->files().contains(m_path))
        m_watcher->addPath(m_path);
    if (now == m_reported)
        return;
    m_reported = now;
    if (now != m_stamp)
        Q_EMIT changedOnDisk(now.exists ? DiskState::Changed : DiskState::Deleted);
}
