// Reading, writing and converting the bytes of script files.
#include "text_file.h"

#include "east_asian_codec.h"
#include "text_codec.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <new>
#include <utility>

namespace {

const QByteArray utf8Bom("\xEF\xBB\xBF");

FileResult writeError(const QString &path, const QSaveFile &file)
{
    const QFileInfo info(path);
    if (info.isDir())
        return {false, QStringLiteral("The path is a folder, not a file.")};
    const QFileInfo folder(info.absolutePath());
    if (!folder.exists() || !folder.isDir())
        return {false, QStringLiteral("The folder for the file does not exist.")};
    if (file.error() == QFileDevice::PermissionsError || !folder.isWritable()
        || (info.exists() && !info.isWritable()))
        return {false, QStringLiteral("You do not have permission to write the file.")};
    return {false, QStringLiteral("The file could not be written; the disk may be full.")};
}

} // namespace

namespace TextFile {

FileResult read(const QString &path, QByteArray *bytes)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return {false, QStringLiteral("The file does not exist.")};
    if (info.isDir())
        return {false, QStringLiteral("The path is a folder, not a file.")};
    if (info.size() > MaxFileSize)
        return {false, QStringLiteral("The file is too large to open.")};

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (file.error() == QFileDevice::PermissionsError || !info.isReadable())
            return {false, QStringLiteral("You do not have permission to read the file.")};
        return {false, QStringLiteral("The file could not be read.")};
    }
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
        return writeError(path, file);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        file.cancelWriting();
        return writeError(path, file);
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
