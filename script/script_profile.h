// ScriptProfile: what a script may contain for one server family, read from a plain-text file.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What a header line declares; the outline and the checks tell blocks apart by it.
enum class BlockKind : unsigned char { Npc, FloatingScript, Function, Shop, Warp, Duplicate, Monster, MapFlag };

// A built-in command of a server: its name, the server's shape letters and the counts they give.
struct ScriptCommand
{
    std::string name;
    std::string shape;                      // the server's letters, e.g. "ssii?"; see ShapeLetters
    int minArguments = 0;
    int maxArguments = 0;                   // AnyNumber when the shape ends in "*"
    std::vector<std::string> argumentNames; // by position; the last may be "..." (repeat the named ones)
    bool deprecated = false;

    static constexpr int AnyNumber = -1;

    // The shape letter at argument position (0-based): one of "isvrl?*", or 0 past the end.
    char letterAt(int position) const;
    // The name shown for an argument: its given name, else a name for its letter. A view into the
    // command, or of a constant: the reader asks it for every argument, so nothing is copied.
    std::string_view argumentName(int position) const;
    // Whether the argument at position names a label, or an "NPC::label" event.
    bool takesLabel(int position) const;
    bool takesEvent(int position) const;
    // Whether count arguments are accepted.
    bool acceptsCount(int count) const
    {
        return count >= minArguments && (maxArguments == AnyNumber || count <= maxArguments);
    }
};

// One word of a header line's second field, and the kind of block it declares.
struct ScriptHeaderKind
{
    std::string word;           // "script", "shop", "duplicate" (written "duplicate(<source>)")
    BlockKind kind = BlockKind::Npc;
    bool hasBody = false;       // a "{ ... }" script follows on the header line
    bool takesState = false;    // may be written "<word>(<state>)"
    int minFields = 4;          // tab-separated fields the loader needs
};

struct ScriptProfile
{
    std::string id;                 // the file's base name, e.g. "rathena"
    std::string name;               // shown to the user, e.g. "rAthena"
    bool ignoreCase = true;         // command names, keywords, labels and header words
    bool assignments = true;        // "a = b", "a += b", "++a" are statements
    std::vector<std::string> assignmentOperators;   // "=", "+=", ...; empty means none
    bool callFunctionsByName = true; // a global function may be called by its name
    bool functionVisibility = false; // "public function" / "private function"
    std::vector<ScriptCommand> commands;
    std::vector<ScriptHeaderKind> headers;
    std::vector<std::string> events; // labels the server triggers; "#" stands for digits
    // Whether commands lists every command, so that a word not in it is unknown.
    bool listsAllCommands = true;

    // The command named name as the profile compares names, or nullptr / -1.
    const ScriptCommand *command(std::string_view name) const;
    int commandIndex(std::string_view name) const;
    // What the arguments of command index (from commandIndex) may name, as ArgumentRoles bits:
    // the reader asks it for every argument, and most commands name nothing.
    enum ArgumentRoles : unsigned char {
        NamesLabel = 1,         // some position takes a label (see ScriptCommand::takesLabel)
        NamesEvent = 2,         // some position takes an "NPC::label" event
        NamesFunction = 4,      // the first argument is a global function's name
    };
    unsigned char argumentRoles(int index) const { return m_roles[size_t(index)]; }
    // The header kind of a second field's word (without any "(...)"), or nullptr.
    const ScriptHeaderKind *header(std::string_view word) const;
    bool isEvent(std::string_view label) const;
    bool sameName(std::string_view a, std::string_view b) const;
    // The form names are compared in: lower case when the profile ignores case.
    std::string key(std::string_view name) const;

    // Builds the look-up tables; call after changing commands or headers.
    void index();

private:
    // A name's first sixteen bytes in key form as two numbers, zero past its end.
    struct NameBytes
    {
        uint64_t low = 0;
        uint64_t high = 0;
    };
    struct Slot
    {
        NameBytes bytes;            // the key's first sixteen bytes
        uint32_t hash = 0;
        uint32_t length = 0;        // the key's length
        int command = 0;            // command index plus one, 0 when free
    };
    NameBytes bytesOf(std::string_view name) const;

    std::vector<Slot> m_slots;
    std::vector<unsigned char> m_roles; // each command's ArgumentRoles
    uint32_t m_mask = 0;
};

// The letters of a command shape: i s v r l typed positions, then "?" optional, then one "*".
inline constexpr char ShapeLetters[] = "isvrl?*";

// Reads a profile file's text. On a fault, returns false and sets error to "line N: why".
bool ParseScriptProfile(std::string_view text, ScriptProfile *profile, std::string *error);
// Reads a profile file; the id is the file's base name.
bool ReadScriptProfile(const QString &path, ScriptProfile *profile, QString *error);
// "warp <map>, <x>, <y>[, <char id>]"
std::string FormatSignature(const ScriptCommand &command);

// A profile file found in a folder.
struct ScriptProfileFile
{
    QString id;         // base name, e.g. "rathena"
    QString name;       // its "name =" line, else the id
    QString path;
};

// Profile files are named "<id>.profile".
inline constexpr char ScriptProfileSuffix[] = ".profile";
inline constexpr char DefaultScriptProfileId[] = "rathena";

// The profiles in folders, sorted by name; for an id in several folders, the first folder's
// file wins, so the user's folder comes before the shipped one.
std::vector<ScriptProfileFile> FindScriptProfiles(const QStringList &folders);
// The file of profile id in folders, first folder first, or "".
QString FindScriptProfile(const QStringList &folders, const QString &id);
