// Reading a server's lists of script files, as its loader reads them.
#include "load_list.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// "key: value" lines; "//" starts a comment.
std::vector<LoadListEntry> parseAthena(std::string_view text)
{
    std::vector<LoadListEntry> entries;
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (const size_t comment = line.find("//"); comment != std::string_view::npos)
            line = line.substr(0, comment);
        const size_t colon = line.find(':');
        if (colon == std::string_view::npos)
            continue;
        const std::string_view key = trimmed(line.substr(0, colon));
        const std::string_view value = trimmed(line.substr(colon + 1));
        if (value.empty())
            continue;
        if (equalsIgnoringCase(key, "npc"))
            entries.push_back({LoadListEntry::Add, fromUtf8(value), lineNumber});
        else if (equalsIgnoringCase(key, "delnpc"))
            entries.push_back({equalsIgnoringCase(value, "all") ? LoadListEntry::RemoveAll : LoadListEntry::Remove,
                               fromUtf8(value), lineNumber});
        else if (equalsIgnoringCase(key, "import"))
            entries.push_back({LoadListEntry::Include, fromUtf8(value), lineNumber});
    }
    return entries;
}

// A configuration file: "name: ( "path", ... )" lists and "@include "file"" lines.
std::vector<LoadListEntry> parseHercules(std::string_view text)
{
    std::vector<LoadListEntry> entries;
    enum class List { None, Global, Removed, Other } list = List::None;
    std::string_view name;      // the last setting name read
    bool include = false;
    int lineNumber = 1;
    for (size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '\n') {
            ++lineNumber;
            ++i;
        } else if ((c == '/' && i + 1 < text.size() && text[i + 1] == '/') || c == '#') {
            while (i < text.size() && text[i] != '\n')
                ++i;
        } else if (c == '/' && i + 1 < text.size() && text[i + 1] == '*') {
            const size_t end = text.find("*/", i + 2);
            const size_t stop = end == std::string_view::npos ? text.size() : end + 2;
            for (; i < stop; ++i)
                lineNumber += text[i] == '\n';
        } else if (c == '"') {
            size_t j = i + 1;
            std::string value;
            while (j < text.size() && text[j] != '"' && text[j] != '\n') {
                if (text[j] == '\\' && j + 1 < text.size())
                    ++j;
                value += text[j++];
            }
            if (include)
                entries.push_back({LoadListEntry::Include, QString::fromStdString(value), lineNumber});
            else if (list == List::Global)
                entries.push_back({LoadListEntry::Add, QString::fromStdString(value), lineNumber});
            else if (list == List::Removed)
                entries.push_back({value == "all" ? LoadListEntry::RemoveAll : LoadListEntry::Remove,
                                   QString::fromStdString(value), lineNumber});
            include = false;
            i = j + 1;
        } else if (c == '@' && text.substr(i, 8) == "@include") {
            include = true;
            i += 8;
        } else if (c == '(') {
            list = name == "npc_global_list" ? List::Global : name == "npc_removed_list" ? List::Removed : List::Other;
            ++i;
        } else if (c == ')') {
            list = List::None;
            ++i;
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_') {
            size_t j = i;
            while (j < text.size() && ((text[j] >= 'a' && text[j] <= 'z') || (text[j] >= 'A' && text[j] <= 'Z')
                                       || (text[j] >= '0' && text[j] <= '9') || text[j] == '_'))
                ++j;
            name = text.substr(i, j - i);
            i = j;
        } else {
            ++i;
        }
    }
    return entries;
}

struct Reader
{
    LoadListFormat format;
    QDir base;
    LoadList result;
    QStringList order;          // added, in order; removed ones taken out
    QStringList removed;        // a Hercules removed list, applied once every list is read
    bool removeAll = false;
    QSet<QString> including;    // list files being read, against loops
    int depth = 0;

    QString resolve(const QString &path) const
    {
        return QDir::isAbsolutePath(path) ? QDir::cleanPath(path) : QDir::cleanPath(base.filePath(path));
    }

    // text with each "@include "file"" line replaced by that file's text, expanded too.
    QByteArray expand(const QByteArray &text)
    {
        QByteArray out;
        for (const QByteArray &line : text.split('\n')) {
            const QByteArray trimmed = line.trimmed();
            const int open = trimmed.indexOf('"');
            const int close = trimmed.indexOf('"', open + 1);
            if (!trimmed.startsWith("@include") || open < 0 || close < 0) {
                out += line + '\n';
                continue;
            }
            const QString path = QString::fromUtf8(trimmed.mid(open + 1, close - open - 1));
            const QString file = resolve(path);
            QFile included(file);
            if (including.contains(file) || depth > 32) {
                out += '\n';
                continue;
            }
            if (!included.open(QIODevice::ReadOnly)) {
                result.errors << path + QStringLiteral(": ") + included.errorString();
                out += '\n';
                continue;
            }
            including.insert(file);
            ++depth;
            out += expand(included.readAll()) + '\n';
            --depth;
            including.remove(file);
        }
        return out;
    }

    void read(const QString &path)
    {
        const QString file = resolve(path);
        if (including.contains(file) || depth > 32)
            return;
        QFile list(file);
        if (!list.open(QIODevice::ReadOnly)) {
            result.errors << path + QStringLiteral(": ") + list.errorString();
            return;
        }
        QByteArray bytes = list.readAll();
        LoadListFormat kind = format;
        if (kind == LoadListFormat::Guess)
            kind = (bytes.contains("npc_global_list") || bytes.contains("@include")) ? LoadListFormat::Hercules
                                                                                      : LoadListFormat::Athena;
        // An included configuration file stands where it is included, inside any list open there.
        if (kind == LoadListFormat::Hercules) {
            including.insert(file);
            bytes = expand(bytes);
            including.remove(file);
        }
        const std::string_view text(bytes.constData(), size_t(bytes.size()));
        if (kind == LoadListFormat::Guess)
            kind = (text.find("npc_global_list") != std::string_view::npos || text.find("@include") != std::string_view::npos)
                ? LoadListFormat::Hercules : LoadListFormat::Athena;
        including.insert(file);
        ++depth;
        for (const LoadListEntry &entry : ParseLoadList(text, kind)) {
            switch (entry.kind) {
            case LoadListEntry::Add:
                order.removeAll(entry.path);
                order << entry.path;
                break;
            // Hercules reads its removed list apart from the global one, whatever their order.
            case LoadListEntry::Remove:
                if (kind == LoadListFormat::Hercules)
                    removed << entry.path;
                else
                    order.removeAll(entry.path);
                break;
            case LoadListEntry::RemoveAll:
                if (kind == LoadListFormat::Hercules)
                    removeAll = true;
                else
                    order.clear();
                break;
            case LoadListEntry::Include:
                if (kind == LoadListFormat::Athena)
                    read(entry.path);
                break;
            }
        }
        --depth;
        including.remove(file);
    }
};

} // namespace

std::vector<LoadListEntry> ParseLoadList(std::string_view text, LoadListFormat format)
{
    if (format == LoadListFormat::Guess)
        format = (text.find("npc_global_list") != std::string_view::npos || text.find("@include") != std::string_view::npos)
            ? LoadListFormat::Hercules : LoadListFormat::Athena;
    return format == LoadListFormat::Hercules ? parseHercules(text) : parseAthena(text);
}

LoadList ReadLoadList(const QString &path, LoadListFormat format, const QString &base)
{
    Reader reader{format, QDir(base.isEmpty() ? QDir::currentPath() : base), {}, {}, {}, false, {}, 0};
    reader.read(path);
    if (reader.removeAll)
        reader.order.clear();
    for (const QString &removed : std::as_const(reader.removed))
        reader.order.removeAll(removed);
    for (const QString &listed : std::as_const(reader.order)) {
        const QString file = reader.resolve(listed);
        if (QFileInfo(file).isFile())
            reader.result.files << ((QDir::isAbsolutePath(listed) || !base.isEmpty()) ? file : QDir::cleanPath(listed));
        else
            reader.result.missing << listed;
    }
    return reader.result;
}
