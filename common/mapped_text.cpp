// Mapping a file for one reading, and letting go of what was read.
#include "mapped_text.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <mutex>

#include <csignal>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

// Behind the reader, this much stays mapped for the look-backs of reporting a fault; pages
// are let go of only in steps this large, so that a reader reporting often costs few calls.
constexpr size_t Margin = 1 << 20;

size_t pageSize()
{
    static const size_t page = size_t(sysconf(_SC_PAGESIZE));
    return page;
}

// The mappings being read. Another program may cut a file short while it is read: the pages
// past its new end have nothing behind them, and reading one raises a bus error. The handler
// puts an empty page in its place and marks the reading torn, so the reader goes on and its
// result is dropped instead of the editor ending.
struct Mapping
{
    std::atomic<char *> start{nullptr};
    std::atomic<size_t> size{0};
    std::atomic<bool> *torn = nullptr;
};
std::array<Mapping, 16> mappings;
std::mutex mappingsMutex;
struct sigaction earlierHandler;

void onBusError(int, siginfo_t *info, void *)
{
    char *const at = static_cast<char *>(info->si_addr);
    for (Mapping &mapping : mappings) {
        char *const start = mapping.start.load();
        if (!start || at < start || at >= start + mapping.size.load())
            continue;
        char *const page = start + size_t(at - start) / pageSize() * pageSize();
        if (mmap(page, pageSize(), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) != MAP_FAILED) {
            mapping.torn->store(true);
            return;
        }
    }
    // Not a page of ours: as it was before, once the access is tried again.
    sigaction(SIGBUS, &earlierHandler, nullptr);
}

bool watch(char *start, size_t size, std::atomic<bool> *torn)
{
    const std::lock_guard<std::mutex> lock(mappingsMutex);
    static const bool installed = [] {
        struct sigaction action{};
        action.sa_sigaction = onBusError;
        action.sa_flags = SA_SIGINFO;
        sigemptyset(&action.sa_mask);
        return sigaction(SIGBUS, &action, &earlierHandler) == 0;
    }();
    if (!installed)
        return false;
    for (Mapping &mapping : mappings) {
        if (mapping.start.load())
            continue;
        mapping.torn = torn;
        mapping.size.store(size);
        mapping.start.store(start);
        return true;
    }
    return false;
}

void unwatch(char *start)
{
    const std::lock_guard<std::mutex> lock(mappingsMutex);
    for (Mapping &mapping : mappings) {
        if (mapping.start.load() == start) {
            mapping.start.store(nullptr);
            mapping.size.store(0);
        }
    }
}

} // namespace

std::unique_ptr<MappedText> MappedText::map(const QString &path, const FileStamp &stamp, qint64 skip)
{
    if (!stamp.exists || stamp.size <= 0 || skip < 0 || skip >= stamp.size || StampOf(path) != stamp)
        return nullptr;
    const int file = open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (file < 0)
        return nullptr;
    void *bytes = mmap(nullptr, size_t(stamp.size), PROT_READ | PROT_WRITE, MAP_PRIVATE, file, 0);
    close(file);
    if (bytes == MAP_FAILED)
        return nullptr;
    std::unique_ptr<MappedText> mapped(new MappedText);
    mapped->m_path = path;
    mapped->m_stamp = stamp;
    mapped->m_bytes = static_cast<char *>(bytes);
    mapped->m_size = size_t(stamp.size);
    if (!watch(mapped->m_bytes, mapped->m_size, &mapped->m_torn)) {
        munmap(bytes, mapped->m_size);
        mapped->m_bytes = nullptr;
        return nullptr;
    }
    mapped->m_text = std::string_view(mapped->m_bytes + skip, size_t(stamp.size - skip));
    // Read front to back: the system may read ahead.
    madvise(bytes, mapped->m_size, MADV_SEQUENTIAL);
    // Opened after the stamp was checked: the file may have changed in between.
    if (!mapped->unchanged())
        return nullptr;
    return mapped;
}

MappedText::~MappedText()
{
    if (!m_bytes)
        return;
    unwatch(m_bytes);
    munmap(m_bytes, m_size);
}

bool MappedText::unchanged() const
{
    return !m_torn.load() && StampOf(m_path) == m_stamp;
}

void MappedText::passed(size_t offset)
{
    const size_t at = size_t(m_text.data() - m_bytes) + std::min(offset, m_text.size());
    // A reader going through the text once more brings the pages back as it goes.
    if (at < m_released)
        m_released = 0;
    if (at < m_released + 2 * Margin)
        return;
    const size_t until = (at - Margin) / pageSize() * pageSize();
    // A private mapping of a file that was never written: its pages come back from the file.
    if (madvise(m_bytes + m_released, until - m_released, MADV_DONTNEED) == 0)
        m_released = until;
}
