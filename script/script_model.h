// ScriptModel: the blocks, labels, jumps, calls and references of an NPC script, as the server
// reads it, and the faults found while reading.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "script_names.h"
#include "script_profile.h"

class ScriptStyler;
struct LanguageDefinition;

// Positions are 0-based: a line, and a character (not byte) column in that line.
// The name views the model's names.
struct ScriptLabel
{
    std::string_view name;
    int line = 0;
    int column = 0;
};

// The target views the model's names.
struct ScriptJump
{
    std::string_view target;
    int line = 0;
    int column = 0;
};

// A script-local function: "function F;" declares it, "function F { ... }" defines it.
struct ScriptLocalFunction
{
    std::string name;
    int line = 0;
    int column = 0;
    bool defined = false;
};

// Where a block's labels, jumps or local functions stand in the model's list of them.
struct ScriptSpan
{
    uint32_t first = 0;
    uint32_t count = 0;
};

// A block's labels, jumps or local functions, read in place in the model's list of them.
template <typename Item>
class ScriptItems
{
public:
    ScriptItems() = default;
    ScriptItems(const Item *first, size_t count) : m_first(first), m_count(count) {}

    const Item *begin() const { return m_first; }
    const Item *end() const { return m_first + m_count; }
    size_t count() const { return m_count; }
    const Item &operator[](size_t i) const { return m_first[i]; }

private:
    const Item *m_first = nullptr;
    size_t m_count = 0;
};

// A duplicate's source NPC and where it stands on the header line.
struct ScriptSource
{
    std::string name;
    int column = 0;
};

// A large script holds hundreds of thousands of blocks, most with no label, jump or function and
// no source: those live in the model's lists, and a block keeps where its own stand.
struct ScriptBlock
{
    std::string name;                   // the header's third field as written
    BlockKind kind = BlockKind::Npc;
    bool blankSeparated = false;        // its fields are separated by blanks: the server cannot read it
    uint32_t uniqueStart = 0;           // where the unique name starts in name: after "::", else 0
    int line = 0;
    int nameColumn = 0;                 // where the name stands on the header line
    int endLine = 0;                    // the line of the closing brace; the header's line without a body
    int source = -1;                    // a duplicate's source in the model's sources; -1 without one
    ScriptSpan labels;                  // in the model's labels
    ScriptSpan jumps;                   // in the model's jumps
    ScriptSpan functions;               // in the model's functions

    // The part of the name after "::", else the whole name.
    std::string_view uniqueName() const { return std::string_view(name).substr(uniqueStart); }

    // Whether the block is an NPC that others may name: monsters, map flags and functions are not.
    bool namesNpc() const
    {
        return kind != BlockKind::Function && kind != BlockKind::Monster && kind != BlockKind::MapFlag
               && !uniqueName().empty();
    }
};

// The model of a 50 MB script holds a quarter of a million blocks: each byte more here is a
// quarter of a megabyte more for every open script.
static_assert(sizeof(ScriptBlock) <= 80, "a block's rare parts belong in the model's lists");

// A command or function called: its profile command (or -1), where, and how many arguments.
struct ScriptCall
{
    int command = -1;       // index in the profile's commands, -1 when the profile has none such
    int block = 0;
    int line = 0;
    int column = 0;
    int length = 0;
    int arguments = 0;      // -1 when not counted
    std::string name;       // set only when command is -1
};

// A name another file must define: a global function ("callfunc") or an "NPC::label" event.
struct ScriptReference
{
    enum Kind : unsigned char { Function, Event };
    Kind kind = Function;
    int block = 0;
    int line = 0;
    int column = 0;
    int length = 0;
    std::string target;     // the function's name, or the NPC's unique name of an event
    std::string label;      // an event's label
};

// The checks, each with a code of its own (see script_checks.h).
enum class ProblemKind {
    Pairing,            // a closing bracket with no opening one, or one never closed
    OpenText,           // a string or a comment not closed
    MissingLabel,
    DuplicateLabel,
    MissingSemicolon,
    UnknownCommand,
    ArgumentCount,
    MissingParenthesis, // "if", "while", "for", "switch" without "("
    StrayJump,          // "break" or "continue" outside a loop or switch
    DuplicateCase,      // a "case" value twice, or a second "default"
    StrayElse,
    UndefinedFunction,  // "function F;" and no "function F { }"
    MissingFunction,    // "callfunc" of a function no checked file defines
    MissingEvent,       // an "NPC::label" event no checked NPC has
    BlankHeader,        // a header with blanks for tabs
    BadLine,            // a line between blocks the server cannot read
    DuplicateNpc,
    Syntax,             // anything else the server's parser refuses
    Assignment,         // "a = b" where the server has only "set"
};

enum class Severity : unsigned char {
    Error,      // the server refuses to load the script
    Warning,    // it fails or misbehaves at run time
};

struct ScriptProblem
{
    ProblemKind kind = ProblemKind::Pairing;
    int line = 0;
    int column = 0;                     // characters from the line start
    int length = 1;                     // characters marked in the text
    std::string message;
    Severity severity = Severity::Error;
    const char *code = "";              // short and stable, e.g. "unknown-command"

    int endColumn() const { return column + length; }
};

struct CheckOptions
{
    bool unknownCommands = true;
    // The checked file's key in the cross-file index; cross-file checks need it.
    std::string path;
};

struct ScriptModel
{
    std::vector<ScriptBlock> blocks;    // in text order
    // Every block's labels, jumps and local functions (declarations and definitions), in text
    // order: a block's own follow one another, where its spans say.
    std::vector<ScriptLabel> labels;
    std::vector<ScriptJump> jumps;
    std::vector<ScriptLocalFunction> functions;
    std::vector<ScriptSource> sources;  // the duplicates' sources, in text order
    std::vector<ScriptProblem> problems; // the reading's faults, in text order
    // The calls the checks judge, in text order: those of names the profile does not know, and
    // those whose argument count the profile's command does not accept.
    std::vector<ScriptCall> calls;
    std::vector<ScriptReference> references;
    // What the labels and jumps name; copies of a model share it.
    std::shared_ptr<const ScriptNames> names;
    std::shared_ptr<const ScriptProfile> profile;   // the one it was read with
    int lineCount = 0;
    // The reading was told to stop before the end: the model holds the text's first part only.
    bool stopped = false;

    // The block whose lines hold line, or nullptr.
    const ScriptBlock *blockAt(int line) const;

    // The items of a block of this model.
    ScriptItems<ScriptLabel> labelsOf(const ScriptBlock &block) const { return itemsOf(labels, block.labels); }
    ScriptItems<ScriptJump> jumpsOf(const ScriptBlock &block) const { return itemsOf(jumps, block.jumps); }
    ScriptItems<ScriptLocalFunction> functionsOf(const ScriptBlock &block) const
    {
        return itemsOf(functions, block.functions);
    }
    // A duplicate's source NPC and its column on the header line; empty and -1 without one.
    std::string_view sourceOf(const ScriptBlock &block) const
    {
        return block.source < 0 ? std::string_view() : std::string_view(sources[size_t(block.source)].name);
    }
    int sourceColumnOf(const ScriptBlock &block) const
    {
        return block.source < 0 ? -1 : sources[size_t(block.source)].column;
    }

private:
    template <typename Item>
    static ScriptItems<Item> itemsOf(const std::vector<Item> &items, ScriptSpan span)
    {
        return {items.data() + span.first, span.count};
    }
};

// Reads length bytes of UTF-8 text as the server of profile does, in one pass. Once stop is
// set, the reading ends within a few thousand tokens and the model says it stopped.
// progress, when given, hears now and then how far the reading has come: a caller that reads the
// text from a mapped file may let go of what lies behind.
using ReadProgress = std::function<void(size_t offset)>;
ScriptModel BuildScriptModel(std::shared_ptr<const ScriptProfile> profile, std::string_view text,
                             const std::atomic<bool> *stop = nullptr, const ReadProgress *progress = nullptr);

// Whether text has a header line at all: a ".txt" file without one is no script.
bool HasScriptHeader(const ScriptProfile &profile, std::string_view text);

class ScriptIndex;

// The problems of model that options ask for, the cross-file ones when index is given, in
// text order. Runs every check of ScriptChecks().
std::vector<ScriptProblem> CheckScript(const ScriptModel &model, const ScriptIndex *index,
                                       const CheckOptions &options);

struct ScriptCheckResult
{
    std::vector<ScriptProblem> problems;    // in text order
    // The checks were told to stop before the end: the problems are those found until then.
    bool stopped = false;
};

// As above; once stop is set, the checks end within a block or a few thousand items and the
// result says it stopped.
ScriptCheckResult CheckScript(const ScriptModel &model, const ScriptIndex *index, const CheckOptions &options,
                              const std::atomic<bool> &stop);

// Compatibility with the earlier reading, for callers that have not moved on to profiles: the
// keywords stand for commands that take any arguments. The styler is no longer asked: comments
// and strings are the server's, whatever the highlighting definition says.
ScriptModel BuildScriptModel(const ScriptStyler &styler, const std::unordered_set<std::string> &keywords,
                             std::string_view text, const std::atomic<bool> *stop = nullptr);
std::unordered_set<std::string> CommandWords(const LanguageDefinition &definition);
std::vector<ScriptProblem> CheckScript(const ScriptModel &model, const CheckOptions &options);
// A profile whose commands are keywords, each taking any arguments; no header kinds beyond the
// common ones.
std::shared_ptr<const ScriptProfile> KeywordProfile(const std::unordered_set<std::string> &keywords);
