// Stamping a file: its size, time of change and inode, from one stat.
#include "file_stamp.h"

#include <QFile>

#include <sys/stat.h>

bool FileStamp::operator==(const FileStamp &other) const
{
    return exists == other.exists && size == other.size && modifiedNs == other.modifiedNs && inode == other.inode;
}

FileStamp StampOf(const QString &path)
{
    FileStamp stamp;
    struct stat info{};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return stamp;
    stamp.exists = true;
    stamp.size = info.st_size;
    stamp.modifiedNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    stamp.inode = info.st_ino;
    return stamp;
}
