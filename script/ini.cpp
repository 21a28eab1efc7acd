// The INI layer: reads and rewrites private-profile files line by line, keeping everything else.
#include "ini.h"

#include "text_codec.h"
#include "text_file.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <optional>

namespace {

// The file's text cut into lines, with what is needed to put it back together unchanged.
struct IniText
{
    // Byte-order marks that ended up in the text; kept, but not part of the first line.
    QString lead;
    QStringList lines;
    // The break ending each line: files may mix them. Empty for a last line without one.
    QStringList breaks;
    // Added lines get the file's first break.
    QString lineBreak = QStringLiteral("\r\n");
    TextEncoding encoding = TextEncoding::Utf8;
};

IniText splitIniText(const QByteArray &bytes)
{
    IniText text;
    const DecodedText decoded = TextFile::decode(bytes);
    text.encoding = decoded.encoding;
    text.lineBreak = QString::fromLatin1(TextFile::lineBreakBytes(decoded.lineBreaks));
    const QString all = TextCodec::fromUtf8KeepingMark(decoded.utf8);

    // A second mark after the first, or a mark read as Windows-1252 characters (also after a
    // Windows-1252 file was rewritten as UTF-8), would otherwise hide the first section header.
    static const QString markAs1252 = QStringLiteral("\u00EF\u00BB\u00BF");
    qsizetype leadSize = 0;
    for (;;) {
        const QStringView rest = QStringView(all).mid(leadSize);
        if (rest.startsWith(QChar(QChar::ByteOrderMark)))
            leadSize += 1;
        else if (rest.startsWith(markAs1252))
            leadSize += markAs1252.size();
        else
            break;
    }
    text.lead = all.left(leadSize);

    qsizetype lineStart = leadSize;
    for (qsizetype i = leadSize; i < all.size(); ++i) {
        const QChar ch = all.at(i);
        if (ch != QLatin1Char('\r') && ch != QLatin1Char('\n'))
            continue;
        const qsizetype breakSize = (ch == QLatin1Char('\r') && i + 1 < all.size()
                                     && all.at(i + 1) == QLatin1Char('\n')) ? 2 : 1;
        text.lines.append(all.mid(lineStart, i - lineStart));
        text.breaks.append(all.mid(i, breakSize));
        i += breakSize - 1;
        lineStart = i + 1;
    }
    if (lineStart < all.size()) {
        text.lines.append(all.mid(lineStart));
        text.breaks.append(QString());
    }
    return text;
}

QString joinIniText(const IniText &text)
{
    QString all = text.lead;
    for (qsizetype i = 0; i < text.lines.size(); ++i)
        all += text.lines.at(i) + text.breaks.at(i);
    return all;
}

// Added lines end with a break, and so does a last line that gets one after it.
void insertLine(IniText &text, qsizetype at, const QString &line)
{
    if (at > 0 && text.breaks.at(at - 1).isEmpty())
        text.breaks[at - 1] = text.lineBreak;
    // A lone CR right before the LF of an empty line would join it into one CR LF break, and
    // that empty line would be gone; CR LF keeps it. Both ways: the added line's CR before an
    // empty line's LF, and an added empty line's LF after a lone CR.
    const bool beforeLf = at < text.lines.size() && text.lines.at(at).isEmpty()
                          && text.breaks.at(at).startsWith(QLatin1Char('\n'));
    const bool afterCr = at > 0 && line.isEmpty() && text.breaks.at(at - 1) == QLatin1String("\r");
    QString lineBreak = text.lineBreak;
    if ((beforeLf && lineBreak == QLatin1String("\r")) || (afterCr && lineBreak.startsWith(QLatin1Char('\n'))))
        lineBreak = QStringLiteral("\r\n");
    text.lines.insert(at, line);
    text.breaks.insert(at, lineBreak);
}

// The section name of a header line such as "[Window Metrics]", or nothing for other lines.
std::optional<QString> sectionName(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
    if (close < 0)
        return std::nullopt;   // no closing bracket: a malformed line, skipped
    return trimmed.mid(1, close - 1).trimmed();
}

// Where a key line's parts are: the key, its "=", and the start of its value after blanks.
struct KeyLine
{
    QString key;
    qsizetype equals = 0;
    qsizetype valueStart = 0;
};

std::optional<KeyLine> keyLine(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0)
        return std::nullopt;
    KeyLine result;
    result.key = line.left(equals).trimmed();
    result.equals = equals;
    result.valueStart = equals + 1;
    while (result.valueStart < line.size() && line.at(result.valueStart).isSpace())
        ++result.valueStart;
    return result;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString unquoted(const QString &value)
{
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == QLatin1Char('"') || first == QLatin1Char('\'')) && value.back() == first)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

// The first line holding key in section (sections of the same name count as one), with its parts.
struct FoundKey
{
    qsizetype line;
    KeyLine parts;
};

std::optional<FoundKey> findKey(const IniText &text, const QString &section, const QString &key)
{
    bool inSection = false;
    for (qsizetype i = 0; i < text.lines.size(); ++i) {
        const QString &line = text.lines.at(i);
        if (const auto name = sectionName(line)) {
            inSection = sameName(*name, section);
            continue;
        }
        if (!inSection)
            continue;
        const auto parsed = keyLine(line);
        if (parsed && sameName(parsed->key, key))
            return FoundKey{i, *parsed};
    }
    return std::nullopt;
}

// Entries whose lines could break the file or not be found again by ReadIni are refused.
bool writableEntry(const QString &section, const QString &key, const QString &value)
{
    const auto breaksLine = [](const QString &s) {
        return s.contains(QLatin1Char('\r')) || s.contains(QLatin1Char('\n'));
    };
    if (breaksLine(section) || breaksLine(key) || breaksLine(value))
        return false;
    if (section.isEmpty() || section != section.trimmed() || section.contains(QLatin1Char(']')))
        return false;
    return !key.isEmpty() && key == key.trimmed() && !key.contains(QLatin1Char('='))
           && !key.startsWith(QLatin1Char(';')) && !key.startsWith(QLatin1Char('['));
}

} // namespace

QString ReadIni(const QString &section, const QString &key, const QString &defaultValue,
                const QString &file)
{
    const QString fallback = defaultValue.left(IniValueLimit);
    QByteArray bytes;
    if (!QFileInfo(file).isFile() || !TextFile::read(file, &bytes))
        return fallback;

    const IniText text = splitIniText(bytes);
    const auto found = findKey(text, section, key);
    if (!found)
        return fallback;
    const QString &line = text.lines.at(found->line);
    return unquoted(line.mid(found->parts.valueStart).trimmed()).left(IniValueLimit);
}

QList<IniEntry> ReadIniSection(const QString &section, const QString &file)
{
    QList<IniEntry> entries;
    QByteArray bytes;
    if (!QFileInfo(file).isFile() || !TextFile::read(file, &bytes))
        return entries;

    const IniText text = splitIniText(bytes);
    bool inSection = false;
    for (const QString &line : text.lines) {
        if (const auto name = sectionName(line)) {
            inSection = sameName(*name, section);
            continue;
        }
        if (!inSection)
            continue;
        if (const auto parsed = keyLine(line))
            entries.append({parsed->key, unquoted(line.mid(parsed->valueStart).trimmed()).left(IniValueLimit)});
    }
    return entries;
}

bool WriteIni(const QString &section, const QString &key, const QString &value, const QString &file)
{
    if (!writableEntry(section, key, value) || file.isEmpty())
        return false;

    const QFileInfo info(file);
    if (!info.absoluteDir().exists() || info.isDir())
        return false;

    IniText text;
    if (info.exists()) {
        QByteArray bytes;
        // A file we may not change stays as it is, even where the folder would let us replace it.
        if (!info.isWritable() || !TextFile::read(file, &bytes))
            return false;
        text = splitIniText(bytes);
    }

    const QString newLine = key + QLatin1Char('=') + value;
    if (const auto found = findKey(text, section, key)) {
        // Keep the key as written and the blanks after "="; only the value changes. A value that
        // brings its own leading blanks replaces them, so writing it again changes nothing.
        QString &line = text.lines[found->line];
        const bool ownBlanks = !value.isEmpty() && value.front().isSpace();
        line = line.left(ownBlanks ? found->parts.equals + 1 : found->parts.valueStart) + value;
    } else {
        // A new key goes after the last non-blank line of the first matching section.
        qsizetype insertAt = -1;
        bool inFirst = false;
        for (qsizetype i = 0; i < text.lines.size(); ++i) {
            const QString &line = text.lines.at(i);
            if (const auto name = sectionName(line)) {
                if (inFirst)
                    break;
                if (sameName(*name, section)) {
                    inFirst = true;
                    insertAt = i + 1;
                }
                continue;
            }
            if (inFirst && !line.trimmed().isEmpty())
                insertAt = i + 1;
        }
        if (insertAt >= 0) {
            insertLine(text, insertAt, newLine);
        } else {
            if (!text.lines.isEmpty() && !text.lines.last().trimmed().isEmpty())
                insertLine(text, text.lines.size(), QString());
            insertLine(text, text.lines.size(), QLatin1Char('[') + section + QLatin1Char(']'));
            insertLine(text, text.lines.size(), newLine);
        }
    }

    // The file keeps its encoding unless a new value needs UTF-8, or the code page was a guess
    // that the new bytes no longer support: the next read must give back this very text.
    const QByteArray utf8 = joinIniText(text).toUtf8();
    QByteArray bytes = TextFile::encode(utf8, text.encoding).bytes;
    if (bytes != utf8 && TextFile::decode(bytes).utf8 != utf8)
        bytes = utf8;
    return TextFile::write(file, bytes).ok;
}
