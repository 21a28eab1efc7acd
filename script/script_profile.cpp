// Reading server profiles and looking commands up in them.
#include "script_profile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <map>

namespace {

inline char foldCase(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : c;
}

// Up to eight bytes at p as a number, zero past n, read with loads of fixed size: a command name
// is looked up for nearly every statement of a script, and a byte at a time cost more than the
// rest of the look-up.
uint64_t smallBytes(const char *p, size_t n)
{
    if (n >= 4) {
        uint32_t first;
        uint32_t last;
        std::memcpy(&first, p, 4);
        std::memcpy(&last, p + n - 4, 4);
        // The two overlap where n < 8, on equal bytes.
        return uint64_t(first) | (uint64_t(last) << (8 * (n - 4)));
    }
    uint64_t bytes = 0;
    for (size_t i = 0; i < n; ++i)
        bytes |= uint64_t(static_cast<unsigned char>(p[i])) << (8 * i);
    return bytes;
}

// Upper-case ASCII letters to lower case, eight bytes at once; other bytes stay as they are.
uint64_t foldBytes(uint64_t bytes)
{
    constexpr uint64_t Ones = 0x0101010101010101ull;
    const uint64_t low7 = bytes & (Ones * 0x7F);
    // The high bit of a byte that is at least 'A', of one past 'Z', and of one that is not ASCII.
    const uint64_t upper = (low7 + Ones * (0x80 - 'A')) & ~(low7 + Ones * (0x80 - 'Z' - 1)) & ~bytes & (Ones * 0x80);
    return bytes | (upper >> 2);
}

uint32_t hashOf(uint64_t low, uint64_t high, size_t length)
{
    const uint64_t mixed = low * 0x9E3779B97F4A7C15ull ^ high * 0xC2B2AE3D27D4EB4Full
                           ^ uint64_t(length) * 0x165667B19E3779F9ull;
    return uint32_t(mixed >> 32);
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

// The next blank-separated word of text, taken off its front.
std::string_view takeWord(std::string_view &text)
{
    text = trimmed(text);
    size_t end = 0;
    while (end < text.size() && text[end] != ' ' && text[end] != '\t')
        ++end;
    const std::string_view word = text.substr(0, end);
    text.remove_prefix(end);
    text = trimmed(text);
    return word;
}

bool yesNo(std::string_view value, bool *result)
{
    if (value == "yes" || value == "true" || value == "1") {
        *result = true;
        return true;
    }
    if (value == "no" || value == "false" || value == "0") {
        *result = false;
        return true;
    }
    return false;
}

// Whether shape has the form the server accepts: typed letters, then "?", then at most one "*".
bool validShape(std::string_view shape)
{
    size_t i = 0;
    while (i < shape.size() && std::string_view("isvrl").find(shape[i]) != std::string_view::npos)
        ++i;
    while (i < shape.size() && shape[i] == '?')
        ++i;
    if (i < shape.size() && shape[i] == '*')
        ++i;
    return i == shape.size();
}

const char *letterName(char letter)
{
    switch (letter) {
    case 'i': return "number";
    case 's': return "text";
    case 'r': return "variable";
    case 'l': return "label";
    default: return "value";
    }
}

const std::pair<const char *, BlockKind> KindNames[] = {
    {"script", BlockKind::Npc}, {"shop", BlockKind::Shop}, {"warp", BlockKind::Warp},
    {"duplicate", BlockKind::Duplicate}, {"monster", BlockKind::Monster}, {"mapflag", BlockKind::MapFlag}};

enum class Section { Settings, Headers, Events, Commands };

} // namespace

char ScriptCommand::letterAt(int position) const
{
    if (position < 0)
        return 0;
    if (size_t(position) < shape.size() && shape[size_t(position)] != '*')
        return shape[size_t(position)];
    return !shape.empty() && shape.back() == '*' ? '*' : 0;
}

std::string_view ScriptCommand::argumentName(int position) const
{
    if (position < 0)
        return {};
    size_t named = argumentNames.size();
    const bool repeats = named > 0 && argumentNames.back() == "...";
    if (repeats)
        --named;
    if (size_t(position) < named)
        return argumentNames[size_t(position)];
    // "menu <option>, <label>, ...": the named ones repeat.
    if (repeats && named > 0)
        return argumentNames[size_t(position) % named];
    // The further values of a "*" are like the last one named.
    if (letterAt(position) == '*' && named > 0)
        return argumentNames[named - 1];
    return letterName(letterAt(position));
}

bool ScriptCommand::takesLabel(int position) const
{
    const char letter = letterAt(position);
    if (letter == 'l')
        return true;
    // In a repeating list, the positions that repeat a label's are labels too.
    if (letter == '*' && !argumentNames.empty() && argumentNames.back() == "...") {
        const size_t named = argumentNames.size() - 1;
        return named > 0 && letterAt(int(size_t(position) % named)) == 'l';
    }
    return false;
}

bool ScriptCommand::takesEvent(int position) const
{
    return argumentName(position) == "event";
}

const ScriptCommand *ScriptProfile::command(std::string_view name) const
{
    const int at = commandIndex(name);
    return at < 0 ? nullptr : &commands[size_t(at)];
}

ScriptProfile::NameBytes ScriptProfile::bytesOf(std::string_view name) const
{
    NameBytes bytes;
    const size_t n = name.size();
    if (n > 8) {
        std::memcpy(&bytes.low, name.data(), 8);
        if (n >= 16)
            std::memcpy(&bytes.high, name.data() + 8, 8);
        else
            bytes.high = smallBytes(name.data() + 8, n - 8);
    } else {
        bytes.low = smallBytes(name.data(), n);
    }
    if (ignoreCase) {
        bytes.low = foldBytes(bytes.low);
        bytes.high = foldBytes(bytes.high);
    }
    return bytes;
}

int ScriptProfile::commandIndex(std::string_view name) const
{
    if (m_slots.empty())
        return -1;
    const NameBytes bytes = bytesOf(name);
    const uint32_t hash = hashOf(bytes.low, bytes.high, name.size());
    for (uint32_t at = hash & m_mask; m_slots[at].command; at = (at + 1) & m_mask) {
        const Slot &slot = m_slots[at];
        if (slot.hash != hash || slot.length != name.size() || slot.bytes.low != bytes.low
            || slot.bytes.high != bytes.high)
            continue;
        // Sixteen bytes and the length tell a short name whole; a longer one is compared in full.
        if (name.size() <= 16 || sameName(commands[size_t(slot.command - 1)].name, name))
            return slot.command - 1;
    }
    return -1;
}

const ScriptHeaderKind *ScriptProfile::header(std::string_view word) const
{
    for (const ScriptHeaderKind &kind : headers)
        if (sameName(kind.word, word))
            return &kind;
    return nullptr;
}

bool ScriptProfile::isEvent(std::string_view label) const
{
    for (const std::string &event : events) {
        if (!event.empty() && event.back() == '#') {
            const std::string_view prefix(event.data(), event.size() - 1);
            if (label.size() > prefix.size() && sameName(label.substr(0, prefix.size()), prefix)
                && std::all_of(label.begin() + std::ptrdiff_t(prefix.size()), label.end(),
                               [](char c) { return c >= '0' && c <= '9'; }))
                return true;
        } else if (sameName(event, label)) {
            return true;
        }
    }
    return false;
}

bool ScriptProfile::sameName(std::string_view a, std::string_view b) const
{
    if (a.size() != b.size())
        return false;
    if (!ignoreCase)
        return a == b;
    for (size_t i = 0; i < a.size(); ++i)
        if (foldCase(a[i]) != foldCase(b[i]))
            return false;
    return true;
}

std::string ScriptProfile::key(std::string_view name) const
{
    std::string result(name);
    if (ignoreCase)
        for (char &c : result)
            c = foldCase(c);
    return result;
}

void ScriptProfile::index()
{
    size_t size = 16;
    while (size < commands.size() * 2)
        size *= 2;
    m_slots.assign(size, Slot{});
    m_mask = uint32_t(size - 1);
    m_roles.clear();
    for (const ScriptCommand &command : commands) {
        unsigned char roles = 0;
        if (command.shape.find('l') != std::string::npos)
            roles |= NamesLabel;
        if (std::find(command.argumentNames.begin(), command.argumentNames.end(), "event") != command.argumentNames.end())
            roles |= NamesEvent;
        if (command.argumentName(0) == "function")
            roles |= NamesFunction;
        m_roles.push_back(roles);
    }
    for (size_t i = 0; i < commands.size(); ++i) {
        if (commandIndex(commands[i].name) >= 0)
            continue;   // the first of two rows of one name stands
        const std::string_view name = commands[i].name;
        const NameBytes bytes = bytesOf(name);
        const uint32_t h = hashOf(bytes.low, bytes.high, name.size());
        uint32_t at = h & m_mask;
        while (m_slots[at].command)
            at = (at + 1) & m_mask;
        m_slots[at] = {bytes, h, uint32_t(name.size()), int(i) + 1};
    }
}

bool ParseScriptProfile(std::string_view text, ScriptProfile *profile, std::string *error)
{
    ScriptProfile result;
    result.id = profile->id;
    Section section = Section::Settings;
    int lineNumber = 0;
    const auto fail = [&](const std::string &why) {
        if (error)
            *error = "line " + std::to_string(lineNumber) + ": " + why;
        return false;
    };
    // A user's copy adds rows below the shipped ones: a later row of a name replaces the earlier.
    std::map<std::string, size_t> commandRows;
    while (!text.empty()) {
        ++lineNumber;
        const size_t end = text.find('\n');
        std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == '#')
            continue;
        if (line.front() == '[') {
            if (line == "[headers]")
                section = Section::Headers;
            else if (line == "[events]")
                section = Section::Events;
            else if (line == "[commands]")
                section = Section::Commands;
            else
                return fail("unknown section " + std::string(line));
            continue;
        }
        switch (section) {
        case Section::Settings: {
            const size_t equals = line.find('=');
            if (equals == std::string_view::npos)
                return fail("expected \"setting = value\"");
            const std::string_view setting = trimmed(line.substr(0, equals));
            const std::string_view value = trimmed(line.substr(equals + 1));
            bool flag = false;
            if (setting == "name") {
                result.name = std::string(value);
            } else if (setting == "ignore case" && yesNo(value, &flag)) {
                result.ignoreCase = flag;
            } else if (setting == "call functions by name" && yesNo(value, &flag)) {
                result.callFunctionsByName = flag;
            } else if (setting == "function visibility" && yesNo(value, &flag)) {
                result.functionVisibility = flag;
            } else if (setting == "assignments") {
                result.assignmentOperators.clear();
                std::string_view rest = value;
                if (rest != "no")
                    while (!rest.empty())
                        result.assignmentOperators.emplace_back(takeWord(rest));
                result.assignments = !result.assignmentOperators.empty();
            } else {
                return fail("unknown setting or value: " + std::string(line));
            }
            break;
        }
        case Section::Headers: {
            // word kind [body] [state] [fields N]
            std::string_view rest = line;
            ScriptHeaderKind header;
            header.word = std::string(takeWord(rest));
            const std::string_view kind = takeWord(rest);
            const auto known = std::find_if(std::begin(KindNames), std::end(KindNames),
                                            [&kind](const auto &pair) { return kind == pair.first; });
            if (known == std::end(KindNames))
                return fail("unknown header kind " + std::string(kind));
            header.kind = known->second;
            while (!rest.empty()) {
                const std::string_view option = takeWord(rest);
                if (option == "body") {
                    header.hasBody = true;
                } else if (option == "state") {
                    header.takesState = true;
                } else if (option == "fields") {
                    const std::string_view count = takeWord(rest);
                    if (count.size() != 1 || count[0] < '1' || count[0] > '4')
                        return fail("fields takes 1 to 4");
                    header.minFields = count[0] - '0';
                } else {
                    return fail("unknown header option " + std::string(option));
                }
            }
            result.headers.push_back(std::move(header));
            break;
        }
        case Section::Events:
            result.events.emplace_back(line);
            break;
        case Section::Commands: {
            // name shape [!deprecated] [argument names, comma separated]
            std::string_view rest = line;
            ScriptCommand command;
            command.name = std::string(takeWord(rest));
            std::string_view shape = takeWord(rest);
            if (shape.empty())
                return fail("command " + command.name + " has no shape (\"-\" for none)");
            if (shape == "-")
                shape = {};
            if (!validShape(shape))
                return fail("shape " + std::string(shape) + " is not typed letters (isvrl), then ?, then one *");
            command.shape = std::string(shape);
            command.minArguments = int(std::min(command.shape.find_first_of("?*"), command.shape.size()));
            command.maxArguments = (!shape.empty() && shape.back() == '*') ? ScriptCommand::AnyNumber
                                                                            : int(command.shape.size());
            if (rest.substr(0, 11) == "!deprecated") {
                command.deprecated = true;
                takeWord(rest);
            }
            while (!rest.empty()) {
                const size_t comma = rest.find(',');
                command.argumentNames.emplace_back(trimmed(rest.substr(0, comma)));
                rest.remove_prefix(comma == std::string_view::npos ? rest.size() : comma + 1);
            }
            const std::string key = result.key(command.name);
            if (const auto it = commandRows.find(key); it != commandRows.end()) {
                result.commands[it->second] = std::move(command);
            } else {
                commandRows.emplace(key, result.commands.size());
                result.commands.push_back(std::move(command));
            }
            break;
        }
        }
    }
    if (result.name.empty())
        result.name = result.id;
    result.index();
    *profile = std::move(result);
    return true;
}

bool ReadScriptProfile(const QString &path, ScriptProfile *profile, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    const QByteArray bytes = file.readAll();
    ScriptProfile read;
    read.id = QFileInfo(path).completeBaseName().toStdString();
    std::string why;
    if (!ParseScriptProfile(std::string_view(bytes.constData(), size_t(bytes.size())), &read, &why)) {
        if (error)
            *error = path + QStringLiteral(": ") + QString::fromStdString(why);
        return false;
    }
    *profile = std::move(read);
    return true;
}

std::string FormatSignature(const ScriptCommand &command)
{
    std::string text = command.name;
    const int shown = command.maxArguments == ScriptCommand::AnyNumber
        ? std::max<int>(command.minArguments + 1, int(command.shape.size()))
        : command.maxArguments;
    int optional = 0;
    for (int i = 0; i < shown; ++i) {
        const char letter = command.letterAt(i);
        const std::string separator = i == 0 ? " " : ", ";
        const std::string name = "<" + std::string(command.argumentName(i)) + ">";
        if (letter == '?' || letter == '*') {
            text += "[" + separator + name;
            ++optional;
            if (letter == '*') {
                text += "...";
                break;
            }
        } else {
            text += separator + name;
        }
    }
    text.append(size_t(optional), ']');
    return text;
}

std::vector<ScriptProfileFile> FindScriptProfiles(const QStringList &folders)
{
    std::vector<ScriptProfileFile> found;
    for (const QString &folder : folders) {
        const QStringList names = QDir(folder).entryList({QStringLiteral("*") + QLatin1String(ScriptProfileSuffix)},
                                                         QDir::Files | QDir::Readable, QDir::Name);
        for (const QString &name : names) {
            const QString id = name.chopped(int(std::char_traits<char>::length(ScriptProfileSuffix)));
            if (std::any_of(found.begin(), found.end(), [&id](const ScriptProfileFile &file) { return file.id == id; }))
                continue;
            ScriptProfileFile file{id, id, QDir(folder).filePath(name)};
            QFile text(file.path);
            if (text.open(QIODevice::ReadOnly)) {
                // Only the name line is wanted: it comes before any section.
                while (!text.atEnd()) {
                    const QByteArray line = text.readLine().trimmed();
                    if (line.startsWith('['))
                        break;
                    if (line.startsWith("name") && line.mid(4).trimmed().startsWith('=')) {
                        file.name = QString::fromUtf8(line.mid(line.indexOf('=') + 1).trimmed());
                        break;
                    }
                }
            }
            found.push_back(file);
        }
    }
    std::sort(found.begin(), found.end(), [](const ScriptProfileFile &a, const ScriptProfileFile &b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return found;
}

QString FindScriptProfile(const QStringList &folders, const QString &id)
{
    for (const QString &folder : folders) {
        const QString path = QDir(folder).filePath(id + QLatin1String(ScriptProfileSuffix));
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}
