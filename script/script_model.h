// ScriptModel: the blocks, labels and jumps of an NPC script, and the problems found in it.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

class ScriptStyler;
struct LanguageDefinition;

// Positions are 0-based: a line, and a byte offset in that line of the UTF-8 text.
struct ScriptLabel
{
    std::string name;
    int line = 0;
    int column = 0;
};

struct ScriptJump
{
    std::string target;
    int line = 0;
    int column = 0;
};

enum class BlockKind { Npc, FloatingScript, Function, Shop, Warp, Duplicate, Monster, MapFlag };

struct ScriptBlock
{
    BlockKind kind = BlockKind::Npc;
    std::string name;
    int line = 0;
    int endLine = 0;                    // the line of the closing brace; the header's line without a body
    std::vector<ScriptLabel> labels;    // in text order
    std::vector<ScriptJump> jumps;
};

// Unknown commands are a kind of their own: a short definition file knows few of them.
enum class ProblemKind { Pairing, OpenText, MissingLabel, DuplicateLabel, MissingSemicolon, UnknownCommand };

struct ScriptProblem
{
    ProblemKind kind = ProblemKind::Pairing;
    int line = 0;
    int column = 0;
    int length = 1;                     // bytes marked in the text
    std::string message;
};

struct CheckOptions
{
    bool unknownCommands = true;
};

struct ScriptModel
{
    std::vector<ScriptBlock> blocks;    // in text order
    std::vector<ScriptProblem> problems; // every kind, in text order

    // The block whose lines hold line, or nullptr.
    const ScriptBlock *blockAt(int line) const;
};

// Builds the model of length bytes of UTF-8 text. keywords are the definition's keywords in
// lower case: the words a command may start with. The text is read in one pass; only when the
// definition's other tokens can hide a comment or a string is it styled first, in pieces, so a
// large text costs no more memory than a few megabytes beside it.
ScriptModel BuildScriptModel(const ScriptStyler &styler, const std::unordered_set<std::string> &keywords,
                             std::string_view text);

// The definition's keywords in lower case, as BuildScriptModel takes them.
std::unordered_set<std::string> CommandWords(const LanguageDefinition &definition);

// The problems of model that options ask for, in text order.
std::vector<ScriptProblem> CheckScript(const ScriptModel &model, const CheckOptions &options);
