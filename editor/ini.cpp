// The INI layer: reads and rewrites private-profile files line by line, keeping everything else.
#include "ini.h"

#include "text_codec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringList>

#include <optional>

namespace {

// The file's text cut into lines, with what is needed to put it back together unchanged.
struct IniText
{
    QStringList lines;
    QString lineBreak = QStringLiteral("\r\n");
    bool endsWithBreak = true;
    bool hadBom = false;
};

IniText splitIniText(const QByteArray &bytes)
{
    IniText text;
    text.hadBom = TextCodec::hasUtf8Bom(bytes);
    const QString all = TextCodec::decode(bytes);
    if (all.isEmpty()) {
        text.endsWithBreak = false;
        return text;
    }

    static const QRegularExpression firstBreak(QStringLiteral("\r\n|\n|\r"));
    const QRegularExpressionMatch match = firstBreak.match(all);
    if (match.hasMatch())
        text.lineBreak = match.captured();

    text.lines = all.split(firstBreak);
    text.endsWithBreak = text.lines.size() > 1 && text.lines.last().isEmpty();
    if (text.endsWithBreak)
        text.lines.removeLast();
    return text;
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

// Where a key line's parts are: the key, and the start of its value after "=" and blanks.
struct KeyLine
{
    QString key;
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

bool readBytes(const QString &file, QByteArray *bytes)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    *bytes = in.readAll();
    return in.error() == QFileDevice::NoError;
}

} // namespace

QString ReadIni(const QString &section, const QString &key, const QString &defaultValue,
                const QString &file)
{
    const QString fallback = defaultValue.left(IniValueLimit);
    QByteArray bytes;
    if (!QFileInfo(file).isFile() || !readBytes(file, &bytes))
        return fallback;

    const IniText text = splitIniText(bytes);
    const auto found = findKey(text, section, key);
    if (!found)
        return fallback;
    const QString &line = text.lines.at(found->line);
    return unquoted(line.mid(found->parts.valueStart).trimmed()).left(IniValueLimit);
}

bool WriteIni(const QString &section, const QString &key, const QString &value, const QString &file)
{
    if (section.trimmed().isEmpty() || key.trimmed().isEmpty() || file.isEmpty())
        return false;

    const QFileInfo info(file);
    if (!info.absoluteDir().exists() || info.isDir())
        return false;

    IniText text;
    if (info.exists()) {
        QByteArray bytes;
        // A file we may not change stays as it is, even where the folder would let us replace it.
        if (!info.isWritable() || !readBytes(file, &bytes))
            return false;
        text = splitIniText(bytes);
    }

    const QString newLine = key + QLatin1Char('=') + value;
    if (const auto found = findKey(text, section, key)) {
        // Keep the key as written and the blanks after "="; only the value changes.
        QString &line = text.lines[found->line];
        line = line.left(found->parts.valueStart) + value;
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
            text.lines.insert(insertAt, newLine);
        } else {
            if (!text.lines.isEmpty() && !text.lines.last().trimmed().isEmpty())
                text.lines.append(QString());
            text.lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
            text.lines.append(newLine);
        }
        // Lines were added: the file ends with a line break like any file we create.
        text.endsWithBreak = true;
    }

    QString all = text.lines.join(text.lineBreak);
    if (text.endsWithBreak)
        all += text.lineBreak;
    QByteArray bytes = all.toUtf8();
    if (text.hadBom)
        bytes.prepend("\xEF\xBB\xBF");

    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (out.write(bytes) != bytes.size()) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}
