// MappedText: a file's bytes read through a read-only mapping, for a reader that goes through a
// large script once. Nothing is copied, and the pages the reader has passed leave the process's
// memory; read again, they come back from the file.
#pragma once

#include <QString>

#include <atomic>
#include <cstddef>
#include <memory>
#include <string_view>

#include "file_stamp.h"

class MappedText
{
public:
    // The file at path, its first skip bytes left out, when it is still as stamped, holds more
    // than those and can be mapped; nullptr otherwise.
    static std::unique_ptr<MappedText> map(const QString &path, const FileStamp &stamp, qint64 skip);
    ~MappedText();

    std::string_view text() const { return m_text; }
    // Whether the file is still as stamped and was not cut short while it was read: when not,
    // what text() gave is not the file's, and a reading of it is to be dropped.
    bool unchanged() const;
    // The reader will not come back before offset in text(), or seldom: the pages wholly
    // before it, but for a margin, are let go of. An offset before an earlier one starts
    // another reading of the text.
    void passed(size_t offset);

private:
    MappedText() = default;

    QString m_path;
    FileStamp m_stamp;
    char *m_bytes = nullptr;
    size_t m_size = 0;
    std::string_view m_text;
    size_t m_released = 0;      // bytes from the mapping's start let go of
    std::atomic<bool> m_torn{false};
};
