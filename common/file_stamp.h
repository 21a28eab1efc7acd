// FileStamp: what a file on disk looked like, enough to tell that someone has written it since.
#pragma once

#include <QString>

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
