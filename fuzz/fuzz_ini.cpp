// The INI layer: a written entry reads back, a refused one leaves the file as it was, and every
// line other than the written key keeps its text and its line break.
#include "fuzz_support.h"
#include "ini.h"
#include "text_file.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

// One line and the break that ends it, as the file's decoded text holds them.
struct Unit
{
    QByteArray text;
    QByteArray lineBreak;
    bool operator==(const Unit &other) const { return text == other.text && lineBreak == other.lineBreak; }
};

QList<Unit> units(const QByteArray &fileBytes)
{
    const QByteArray utf8 = TextFile::decode(fileBytes).utf8;
    QList<Unit> result;
    qsizetype start = 0;
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        if (utf8.at(i) != '\r' && utf8.at(i) != '\n')
            continue;
        const qsizetype breakSize = utf8.at(i) == '\r' && i + 1 < utf8.size() && utf8.at(i + 1) == '\n' ? 2 : 1;
        result.append({utf8.mid(start, i - start), utf8.mid(i, breakSize)});
        i += breakSize - 1;
        start = i + 1;
    }
    if (start < utf8.size())
        result.append({utf8.mid(start), QByteArray()});
    return result;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A value ReadIni gives back as it was written: no blanks to trim, no quotes to take off.
bool readsBackAsWritten(const QString &value)
{
    if (value != value.trimmed() || value.size() > IniValueLimit)
        return false;
    return !(value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\''))
             && value.back() == value.front());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir folder;
    const QList<QByteArray> parts = fuzzParts(data, size, 4);
    const QString section = QString::fromUtf8(parts.at(0));
    const QString key = QString::fromUtf8(parts.at(1));
    const QString value = QString::fromUtf8(parts.at(2));
    const QByteArray before = parts.at(3);
    const QString path = folder.filePath(QStringLiteral("fuzz.ini"));
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_CHECK(file.write(before) == before.size());
    }

    const bool written = WriteIni(section, key, value, path);
    const QByteArray after = readFile(path);
    if (!written) {
        FUZZ_CHECK(after == before);
        return 0;
    }
    if (readsBackAsWritten(value))
        FUZZ_CHECK(ReadIni(section, key, QStringLiteral("<none>"), path) == value);
    // Writing the same entry again changes nothing.
    FUZZ_CHECK(WriteIni(section, key, value, path));
    FUZZ_CHECK(readFile(path) == after);

    // The lines before and after the write differ in one place at most: the key's line, or the
    // lines added there (and the break a last line gets before them).
    const QList<Unit> old = units(before);
    const QList<Unit> now = units(after);
    qsizetype prefix = 0;
    while (prefix < old.size() && prefix < now.size() && old.at(prefix) == now.at(prefix))
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < old.size() - prefix && suffix < now.size() - prefix
           && old.at(old.size() - 1 - suffix) == now.at(now.size() - 1 - suffix))
        ++suffix;
    const qsizetype changed = old.size() - prefix - suffix;
    FUZZ_CHECK(changed <= 1);
    FUZZ_CHECK(now.size() >= old.size());
    if (changed == 1) {
        const Unit &was = old.at(prefix);
        const Unit &is = now.at(prefix);
        if (now.size() == old.size())
            FUZZ_CHECK(was.lineBreak == is.lineBreak);        // the key's line, value replaced
        else
            FUZZ_CHECK(prefix == old.size() - 1 && was.lineBreak.isEmpty() && was.text == is.text);
    }
    return 0;
}
