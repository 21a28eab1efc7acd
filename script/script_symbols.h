// The names of a script that lead somewhere: which one stands at a place, where it is defined
// and where it is used, in the open script and in the other files of the cross-file index.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "script_model.h"

class ScriptIndex;

enum class SymbolKind : unsigned char {
    None,
    Label,          // "L:" in a block, and the jumps to it
    LocalFunction,  // "function F;" / "function F { }" in a block, and its calls there
    GlobalFunction, // a "function<TAB>script<TAB>F" header, "callfunc "F"" and calls by name
    Npc,            // an NPC's unique name: its header, a duplicate's source, an event's first part
    Event,          // the label part of an "NPC::label" event
};

struct ScriptSymbol
{
    SymbolKind kind = SymbolKind::None;
    std::string name;       // the label, the function or the NPC's unique name
    std::string npc;        // an event's NPC
    int block = -1;         // a label's or a local function's block in the model it stands in
    // Where the name stands: 0-based line, character column and length.
    int line = 0;
    int column = 0;
    int length = 0;
};

// A name in a file; the open script's places carry its path, empty while it is untitled.
struct SymbolPlace
{
    std::string path;
    int line = 0;
    int column = 0;
    int length = 0;

    bool operator==(const SymbolPlace &other) const
    {
        return path == other.path && line == other.line && column == other.column && length == other.length;
    }
};

// What a look-up reads: the open script's model, built from the text being edited, and the
// index of the other files. The index's copy of the open script, if it has one, is left out.
struct SymbolScope
{
    const ScriptModel *open = nullptr;
    std::string openPath;
    const ScriptIndex *index = nullptr;
};

// The name at a caret before, inside or just after it; kind None where no name leads anywhere.
ScriptSymbol SymbolAt(const ScriptModel &model, int line, int column);

// Where symbol, found by SymbolAt in scope's open model, is defined: the open script first,
// then the other files in path order.
std::optional<SymbolPlace> FindDefinition(const ScriptSymbol &symbol, const SymbolScope &scope);

// Every place that names the same thing, its definitions among them: the open script first,
// then the other files in path order, each in text order.
std::vector<SymbolPlace> FindReferences(const ScriptSymbol &symbol, const SymbolScope &scope);
