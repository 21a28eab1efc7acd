// Reading, writing and converting the bytes of script files.
#include "text_file.h"

#include "east_asian_codec.h"
#include "text_codec.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>
#include <new>
#include <utility>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray utf8Bom("\xEF\xBB\xBF");

FileResult writeError(const QString &path, QFileDevice::FileError error)
{
    const QFileInfo info(path);
    if (info.isDir())
        return {false, QStringLiteral("The path is a folder, not a file.")};
    const QFileInfo folder(info.absolutePath());
    if (!folder.exists() || !folder.isDir())
        return {false, QStringLiteral("The folder for the file does not exist.")};
    if (error == QFileDevice::PermissionsError || !folder.isWritable()
        || (info.exists() && !info.isWritable()))
        return {false, QStringLiteral("You do not have permission to write the file.")};
    return {false, QStringLiteral("The file could not be written; the disk may be full.")};
}

// The old bytes beside the file, readable by no one the file itself does not allow.
bool writeBackup(const QString &path, const QString &backup, const QByteArray &old)
{
    QFile::remove(backup);
    QFile copy(backup);
    const bool written = copy.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFile::permissions(path))
                         && copy.write(old) == old.size() && copy.flush() && ::fsync(copy.handle()) == 0;
    copy.close();
    if (!written)
        QFile::remove(backup);
    return written;
}

// Writes bytes over the file's own bytes, keeping its inode, links, owner and mode.
FileResult writeInPlace(const QString &path, const QByteArray &bytes)
{
    QByteArray old;
    if (const FileResult read = TextFile::read(path, &old); !read)
        return read;
    const QString backup = TextFile::backupPath(path);
    if (!writeBackup(path, backup, old))
        return {false, QStringLiteral("The file has other names or another owner, so it is written in place, "
                                      "but no copy of it could be made beside it first.")};
    QFile file(path);
    bool written = file.open(QIODevice::ReadWrite) && file.write(bytes) == bytes.size() && file.resize(bytes.size())
                   && file.flush();
    written = written && ::fsync(file.handle()) == 0;
    const QFileDevice::FileError error = file.error();
    file.close();
    if (!written) {
        FileResult result = writeError(path, error);
        result.error += QStringLiteral(" Its previous text is kept in %1.").arg(QFileInfo(backup).fileName());
        return result;
    }
    QFile::remove(backup);
    return {};
}

// Whether the file must be written in place: a new file would split its links, or come to
// belong to someone else.
bool needsInPlace(const struct stat &info, QSaveFile &file)
{
    if (info.st_nlink > 1)
        return true;
    struct stat fresh{};
    if (::fstat(file.handle(), &fresh) != 0)
        return false;
    if (fresh.st_uid == info.st_uid && fresh.st_gid == info.st_gid)
        return false;
    // Root, or an owner changing to one of their own groups, can give the new file the old owner.
    return ::fchown(file.handle(), info.st_uid, info.st_gid) != 0;
}

// Small enough to stay in the cache while it is checked and copied on.
constexpr qsizetype ReadBlock = 1 << 20;

// Bytes a sequence starting with lead takes, or 1 for a byte that starts none.
int sequenceLength(unsigned char lead)
{
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 1;
}

// Where data stops holding whole UTF-8 sequences: before a lead byte whose sequence the block
// cut off. The rest waits for the next block.
qsizetype completeLength(QByteArrayView data)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(data.data());
    for (qsizetype back = 1; back <= 3 && back <= data.size(); ++back) {
        const unsigned char byte = bytes[data.size() - back];
        if ((byte & 0xC0) == 0x80)
            continue;
        return sequenceLength(byte) > back ? data.size() - back : data.size();
    }
    return data.size();
}

// Finds the first line break in the pieces as they pass, a CR LF split between two included.
class LineBreakWatch
{
public:
    void see(const char *bytes, qsizetype length)
    {
        for (qsizetype i = 0; i < length && !m_known; ++i) {
            if (m_afterCr) {
                decide(bytes[i] == '\n' ? LineBreakStyle::CrLf : LineBreakStyle::Cr);
            } else if (bytes[i] == '\n') {
                decide(LineBreakStyle::Lf);
            } else if (bytes[i] == '\r') {
                m_afterCr = true;
            }
        }
    }
    LineBreakStyle style() const
    {
        return m_known ? m_style : (m_afterCr ? LineBreakStyle::Cr : LineBreakStyle::CrLf);
    }

private:
    void decide(LineBreakStyle style)
    {
        m_style = style;
        m_known = true;
    }
    LineBreakStyle m_style = LineBreakStyle::CrLf;
    bool m_known = false;
    bool m_afterCr = false;
};

FileResult openForReading(const QString &path, QFile &file)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return {false, QStringLiteral("The file does not exist.")};
    if (info.isDir())
        return {false, QStringLiteral("The path is a folder, not a file.")};
    if (info.size() > TextFile::MaxFileSize)
        return {false, QStringLiteral("The file is too large to open.")};
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (file.error() == QFileDevice::PermissionsError || !info.isReadable())
            return {false, QStringLiteral("You do not have permission to read the file.")};
        return {false, QStringLiteral("The file could not be read.")};
    }
    return {};
}

} // namespace

namespace TextFile {

QString backupPath(const QString &path)
{
    return path + QLatin1Char('~');
}

FileResult readInto(const QString &path, TextSink &sink, DecodedText *decoded)
{
    QFile file;
    const FileResult opened = openForReading(path, file);
    if (!opened)
        return opened;
    const FileResult failed{false, QStringLiteral("The file could not be read.")};
    sink.reserve(file.size());
    decoded->encoding = TextEncoding::Utf8;
    LineBreakWatch lineBreaks;
    // One buffer for every block: a fresh one each time would cost fresh pages each time.
    // It starts with what the previous block cut off of a sequence, at most 3 bytes.
    QByteArray buffer(ReadBlock + 3, Qt::Uninitialized);
    qsizetype pending = 0;
    bool first = true;
    bool utf8 = true;
    while (!file.atEnd()) {
        const qint64 got = file.read(buffer.data() + pending, ReadBlock);
        if (got < 0 || file.error() != QFileDevice::NoError)
            return failed;
        if (got == 0)
            break;
        const QByteArrayView filled(buffer.constData(), pending + got);
        const QByteArrayView block = filled.first(completeLength(filled));
        if (!TextCodec::isValidUtf8(block)) {
            utf8 = false;
            break;
        }
        qsizetype skip = 0;
        if (first && TextCodec::hasUtf8Bom(block)) {
            decoded->encoding = TextEncoding::Utf8WithBom;
            skip = utf8Bom.size();
        }
        first = false;
        lineBreaks.see(block.data() + skip, block.size() - skip);
        sink.append(block.data() + skip, block.size() - skip);
        pending = filled.size() - block.size();
        std::memmove(buffer.data(), filled.data() + block.size(), size_t(pending));
    }
    if (utf8 && pending == 0) {
        decoded->lineBreaks = lineBreaks.style();
        return {};
    }
    // Not UTF-8 after all: every byte is a Windows-1252 character, so blocks convert on their own.
    sink.restart();
    decoded->encoding = TextEncoding::Windows1252;
    lineBreaks = LineBreakWatch();
    if (!file.seek(0))
        return failed;
    while (!file.atEnd()) {
        const QByteArray converted = TextCodec::windows1252ToUtf8(file.read(ReadBlock));
        if (file.error() != QFileDevice::NoError)
            return failed;
        lineBreaks.see(converted.constData(), converted.size());
        sink.append(converted.constData(), converted.size());
    }
    decoded->lineBreaks = lineBreaks.style();
    return {};
}

FileResult read(const QString &path, QByteArray *bytes)
{
    QFile file;
    const FileResult opened = openForReading(path, file);
    if (!opened)
        return opened;
    try {
        *bytes = file.readAll();
    } catch (const std::bad_alloc &) {
        return {false, QStringLiteral("The file is too large to open.")};
    }
    if (file.error() != QFileDevice::NoError)
        return {false, QStringLiteral("The file could not be read.")};
    return {};
}

FileResult write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::WriteOnly))
        return writeError(path, file.error());
    struct stat info{};
    if (::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode)
        && needsInPlace(info, file)) {
        file.cancelWriting();
        return writeInPlace(path, bytes);
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        file.cancelWriting();
        return writeError(path, file.error());
    }
    return {};
}

DecodedText decode(QByteArray bytes)
{
    DecodedText text;
    if (TextCodec::isValidUtf8(bytes)) {
        const bool mark = TextCodec::hasUtf8Bom(bytes);
        text.encoding = mark ? TextEncoding::Utf8WithBom : TextEncoding::Utf8;
        text.utf8 = std::move(bytes);
        // Bytes no one else holds lose the mark by moving their start, without a copy.
        if (mark)
            text.utf8.remove(0, utf8Bom.size());
    } else {
        text.encoding = TextEncoding::Windows1252;
        const TextEncoding likely = EastAsianCodec::detect(bytes);
        if (likely != TextEncoding::Windows1252) {
            const std::optional<QString> decoded = EastAsianCodec::decode(bytes, likely);
            // Saving an unchanged script must give back the very bytes it was read from.
            if (decoded && EastAsianCodec::encode(*decoded, likely) == bytes) {
                text.encoding = likely;
                text.utf8 = decoded->toUtf8();
            }
        }
        if (text.encoding == TextEncoding::Windows1252)
            text.utf8 = TextCodec::windows1252ToUtf8(std::move(bytes));
    }
    text.lineBreaks = detectLineBreaks(text.utf8);
    return text;
}

std::optional<DecodedText> decodeAs(const QByteArray &bytes, TextEncoding encoding)
{
    DecodedText text;
    switch (encoding) {
    case TextEncoding::Utf8:
    case TextEncoding::Utf8WithBom:
        if (!TextCodec::isValidUtf8(bytes))
            return std::nullopt;
        text = decode(bytes);
        break;
    case TextEncoding::Windows1252:
        text.encoding = encoding;
        text.utf8 = TextCodec::windows1252ToUtf8(bytes);
        break;
    case TextEncoding::EucKr:
    case TextEncoding::Gbk:
    case TextEncoding::Big5:
    case TextEncoding::ShiftJis: {
        const std::optional<QString> decoded = EastAsianCodec::decode(bytes, encoding);
        if (!decoded)
            return std::nullopt;
        text.encoding = encoding;
        text.utf8 = decoded->toUtf8();
        break;
    }
    }
    text.lineBreaks = detectLineBreaks(text.utf8);
    return text;
}

EncodedText encode(const QByteArray &utf8, TextEncoding encoding)
{
    EncodedText result;
    if (encoding == TextEncoding::Windows1252) {
        bool complete = false;
        result.bytes = TextCodec::encodeWindows1252(TextCodec::fromUtf8KeepingMark(utf8), &complete);
        // Code-page bytes that happen to be valid UTF-8 would be read back as other text.
        if (complete && (!TextCodec::isValidUtf8(result.bytes) || result.bytes == utf8)) {
            result.encoding = TextEncoding::Windows1252;
            return result;
        }
        encoding = TextEncoding::Utf8;
    } else if (EastAsianCodec::isDoubleByte(encoding)) {
        const std::optional<QByteArray> bytes =
            EastAsianCodec::encode(TextCodec::fromUtf8KeepingMark(utf8), encoding);
        if (bytes && (!TextCodec::isValidUtf8(*bytes) || *bytes == utf8)) {
            result.bytes = *bytes;
            result.encoding = encoding;
            return result;
        }
        encoding = TextEncoding::Utf8;
    }
    result.encoding = encoding;
    result.bytes = encoding == TextEncoding::Utf8WithBom ? utf8Bom + utf8 : utf8;
    return result;
}

LineBreakStyle detectLineBreaks(const QByteArray &bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes.at(i) == '\n')
            return LineBreakStyle::Lf;
        if (bytes.at(i) == '\r')
            return (i + 1 < bytes.size() && bytes.at(i + 1) == '\n') ? LineBreakStyle::CrLf : LineBreakStyle::Cr;
    }
    return LineBreakStyle::CrLf;
}

QByteArray lineBreakBytes(LineBreakStyle style)
{
    switch (style) {
    case LineBreakStyle::Lf: return QByteArrayLiteral("\n");
    case LineBreakStyle::Cr: return QByteArrayLiteral("\r");
    case LineBreakStyle::CrLf: break;
    }
    return QByteArrayLiteral("\r\n");
}

QByteArray withLineBreaks(const QByteArray &utf8, LineBreakStyle style)
{
    // CR and LF never occur inside a multi-byte UTF-8 sequence, so bytes can be scanned directly.
    const QByteArray lineBreak = lineBreakBytes(style);
    QByteArray result;
    result.reserve(utf8.size() + utf8.size() / 16);
    const char *p = utf8.constData();
    const char *end = p + utf8.size();
    while (p < end) {
        if (*p == '\r') {
            result.append(lineBreak);
            if (p + 1 < end && p[1] == '\n')
                ++p;
        } else if (*p == '\n') {
            result.append(lineBreak);
        } else {
            result.append(*p);
        }
        ++p;
    }
    return result;
}

} // namespace TextFile
