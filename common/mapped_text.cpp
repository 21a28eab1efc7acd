// Mapping a file for one reading, and letting go of what was read.
#include "mapped_text.h"

#include <algorithm>

#include <sys/mman.h>
#include <unistd.h>

namespace {

// Behind the reader, this much stays mapped for the look-backs of reporting a fault; pages
// are let go of only in steps this large, so that a reader reporting often costs few calls.
constexpr size_t Margin = 1 << 20;

} // namespace

std::unique_ptr<MappedText> MappedText::map(const QString &path, const FileStamp &stamp, qint64 skip)
{
    if (!stamp.exists || stamp.size <= 0 || skip < 0 || skip >= stamp.size || StampOf(path) != stamp)
        return nullptr;
    std::unique_ptr<MappedText> mapped(new MappedText);
    mapped->m_file.setFileName(path);
    if (!mapped->m_file.open(QIODevice::ReadOnly) || mapped->m_file.size() != stamp.size)
        return nullptr;
    mapped->m_bytes = mapped->m_file.map(0, stamp.size, QFileDevice::MapPrivateOption);
    if (!mapped->m_bytes)
        return nullptr;
    mapped->m_size = stamp.size;
    mapped->m_text = std::string_view(reinterpret_cast<const char *>(mapped->m_bytes) + skip, size_t(stamp.size - skip));
    // Read front to back: the system may read ahead.
    madvise(mapped->m_bytes, size_t(stamp.size), MADV_SEQUENTIAL);
    return mapped;
}

MappedText::~MappedText()
{
    if (m_bytes)
        m_file.unmap(m_bytes);
}

void MappedText::passed(size_t offset)
{
    static const size_t Page = size_t(sysconf(_SC_PAGESIZE));
    const size_t at = size_t(m_text.data() - reinterpret_cast<const char *>(m_bytes)) + std::min(offset, m_text.size());
    // A reader going through the text once more brings the pages back as it goes.
    if (at < m_released)
        m_released = 0;
    if (at < m_released + 2 * Margin)
        return;
    const size_t until = (at - Margin) / Page * Page;
    // A private mapping of a file that was never written: its pages come back from the file.
    if (madvise(m_bytes + m_released, until - m_released, MADV_DONTNEED) == 0)
        m_released = until;
}
