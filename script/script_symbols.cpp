// Looking names up in script models: the places the reading recorded, matched by line and column.
#include "script_symbols.h"

#include "script_index.h"
#include "script_tokenizer.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace {

// Duplicates of duplicates are followed this deep; a ring of them ends here.
constexpr int MostDuplicateDepth = 8;

// Labels and local functions are compared as the server compares them. NPC and global function
// names are compared as written, as the cross-file index and its checks keep them.
bool sameLabel(const ScriptModel &model, std::string_view a, std::string_view b)
{
    return model.profile ? model.profile->sameName(a, b) : a == b;
}

int charLength(std::string_view text)
{
    return CharacterColumn(text, 0, text.size());
}

// The open script's block the symbol stands in, if it still has it.
const ScriptBlock *blockOf(const ScriptSymbol &symbol, const SymbolScope &scope)
{
    const ScriptModel *open = scope.open;
    return open && symbol.block >= 0 && size_t(symbol.block) < open->blocks.size() ? &open->blocks[size_t(symbol.block)]
                                                                                   : nullptr;
}

// A caret just after a word still names it, as it does when the word was just typed.
bool covers(int line, int column, int length, int atLine, int atColumn)
{
    return line == atLine && column <= atColumn && atColumn <= column + length;
}

// The unique name stands after the display name and "::" when the header has both.
SymbolPlace uniqueNamePlace(const std::string &path, const ScriptBlock &block)
{
    const int offset = charLength(std::string_view(block.name).substr(0, block.uniqueStart));
    return {path, block.line, block.nameColumn + offset, charLength(block.uniqueName())};
}

// An event names its NPC inside the quotes, then "::" and the label.
SymbolPlace eventNpcPlace(const std::string &path, const ScriptReference &reference)
{
    return {path, reference.line, reference.column + 1, charLength(reference.target)};
}

SymbolPlace eventLabelPlace(const std::string &path, const ScriptReference &reference)
{
    return {path, reference.line, reference.column + 1 + charLength(reference.target) + 2,
            charLength(reference.label)};
}

// The definition of a local function where the block has one, else its first declaration.
const ScriptLocalFunction *localFunction(const ScriptModel &model, const ScriptBlock &block, std::string_view name)
{
    const ScriptLocalFunction *found = nullptr;
    for (const ScriptLocalFunction &function : model.functionsOf(block))
        if (sameLabel(model, function.name, name) && (!found || (function.defined && !found->defined)))
            found = &function;
    return found;
}

// A direct call of a name no command has: the block's own function first, then a global one.
// Where the profile does not list every command, an unknown name may still be one.
SymbolKind callKind(const ScriptModel &model, const ScriptCall &call)
{
    if (call.command >= 0 || call.name.empty() || call.block < 0 || size_t(call.block) >= model.blocks.size())
        return SymbolKind::None;
    if (localFunction(model, model.blocks[size_t(call.block)], call.name))
        return SymbolKind::LocalFunction;
    const ScriptProfile *profile = model.profile.get();
    return profile && profile->callFunctionsByName && profile->listsAllCommands ? SymbolKind::GlobalFunction
                                                                                : SymbolKind::None;
}

struct File
{
    const std::string *path;
    const ScriptModel *model;
};

// The open script, then the index's other files in path order.
std::vector<File> filesOf(const SymbolScope &scope)
{
    std::vector<File> files;
    if (scope.open)
        files.push_back({&scope.openPath, scope.open});
    if (scope.index)
        for (const auto &[path, model] : scope.index->files())
            if (model && !(scope.open && path == scope.openPath))
                files.push_back({&path, model.get()});
    return files;
}

struct BlockIn
{
    std::string path;
    const ScriptModel *model = nullptr;
    const ScriptBlock *block = nullptr;
};

// The NPCs of a unique name: the open script's first, then the index's.
std::vector<BlockIn> npcBlocks(const SymbolScope &scope, std::string_view npc)
{
    std::vector<BlockIn> found;
    if (scope.open)
        for (const ScriptBlock &block : scope.open->blocks)
            if (block.namesNpc() && block.uniqueName() == npc)
                found.push_back({scope.openPath, scope.open, &block});
    if (const auto *places = scope.index ? scope.index->npc(npc) : nullptr) {
        for (const ScriptIndex::Place &place : *places) {
            const std::string path(place.path());
            if (scope.open && path == scope.openPath)
                continue;
            found.push_back({path, &place.model(), place.block});
        }
    }
    return found;
}

struct LabelIn
{
    BlockIn owner;
    const ScriptLabel *label = nullptr;
};

// The label an "NPC::label" event runs: the NPC's own, or its source's for a duplicate.
std::optional<LabelIn> eventLabel(const SymbolScope &scope, std::string_view npc, std::string_view label, int depth)
{
    for (const BlockIn &in : npcBlocks(scope, npc)) {
        if (!in.model)
            continue;
        for (const ScriptLabel &own : in.model->labelsOf(*in.block))
            if (sameLabel(*in.model, own.name, label))
                return LabelIn{in, &own};
        const std::string_view source = in.model->sourceOf(*in.block);
        if (in.block->kind == BlockKind::Duplicate && !source.empty() && depth < MostDuplicateDepth)
            if (auto found = eventLabel(scope, source, label, depth + 1))
                return found;
    }
    return std::nullopt;
}

// The NPC's unique name and those of every duplicate made from it, however indirectly.
std::unordered_set<std::string> withDuplicates(const std::vector<File> &files, std::string_view npc)
{
    std::unordered_set<std::string> names{std::string(npc)};
    for (int pass = 0; pass < MostDuplicateDepth; ++pass) {
        bool grew = false;
        for (const File &file : files)
            for (const ScriptBlock &block : file.model->blocks)
                if (block.kind == BlockKind::Duplicate && !block.uniqueName().empty()
                    && names.count(std::string(file.model->sourceOf(block))))
                    grew = names.insert(std::string(block.uniqueName())).second || grew;
        if (!grew)
            break;
    }
    return names;
}

void addLabelUses(std::vector<SymbolPlace> &places, const std::string &path, const ScriptModel &model,
                  const ScriptBlock &block, std::string_view name)
{
    for (const ScriptLabel &label : model.labelsOf(block))
        if (sameLabel(model, label.name, name))
            places.push_back({path, label.line, label.column, charLength(label.name)});
    for (const ScriptJump &jump : model.jumpsOf(block))
        if (sameLabel(model, jump.target, name))
            places.push_back({path, jump.line, jump.column, charLength(jump.target)});
}

void addEventUses(std::vector<SymbolPlace> &places, const std::vector<File> &files,
                  const std::unordered_set<std::string> &npcs, std::string_view label)
{
    for (const File &file : files)
        for (const ScriptReference &reference : file.model->references)
            if (reference.kind == ScriptReference::Event && npcs.count(reference.target)
                && sameLabel(*file.model, reference.label, label))
                places.push_back(eventLabelPlace(*file.path, reference));
}

void addGlobalFunctionUses(std::vector<SymbolPlace> &places, const File &file, std::string_view name)
{
    const ScriptModel &model = *file.model;
    for (const ScriptBlock &block : model.blocks)
        if (block.kind == BlockKind::Function && block.name == name)
            places.push_back({*file.path, block.line, block.nameColumn, charLength(block.name)});
    for (const ScriptReference &reference : model.references)
        if (reference.kind == ScriptReference::Function && reference.target == name)
            places.push_back({*file.path, reference.line, reference.column + 1, charLength(reference.target)});
    for (const ScriptCall &call : model.calls)
        if (call.name == name && callKind(model, call) == SymbolKind::GlobalFunction)
            places.push_back({*file.path, call.line, call.column, call.length});
}

void addNpcUses(std::vector<SymbolPlace> &places, const File &file, std::string_view npc)
{
    for (const ScriptBlock &block : file.model->blocks) {
        if (block.namesNpc() && block.uniqueName() == npc)
            places.push_back(uniqueNamePlace(*file.path, block));
        const int sourceColumn = file.model->sourceColumnOf(block);
        if (block.kind == BlockKind::Duplicate && sourceColumn >= 0 && file.model->sourceOf(block) == npc)
            places.push_back({*file.path, block.line, sourceColumn, charLength(npc)});
    }
    for (const ScriptReference &reference : file.model->references)
        if (reference.kind == ScriptReference::Event && reference.target == npc)
            places.push_back(eventNpcPlace(*file.path, reference));
}

// The header line's name and a duplicate's source.
ScriptSymbol headerSymbolAt(const ScriptModel &model, const ScriptBlock &block, int line, int column)
{
    ScriptSymbol symbol;
    if (covers(block.line, block.nameColumn, charLength(block.name), line, column)) {
        if (block.kind == BlockKind::Function) {
            symbol.kind = SymbolKind::GlobalFunction;
            symbol.name = block.name;
            symbol.column = block.nameColumn;
            symbol.length = charLength(block.name);
        } else if (block.namesNpc()) {
            const SymbolPlace place = uniqueNamePlace(std::string(), block);
            symbol.kind = SymbolKind::Npc;
            symbol.name = std::string(block.uniqueName());
            symbol.column = place.column;
            symbol.length = place.length;
        }
    } else if (const int sourceColumn = model.sourceColumnOf(block); sourceColumn >= 0) {
        const std::string_view source = model.sourceOf(block);
        if (covers(block.line, sourceColumn, charLength(source), line, column)) {
            symbol.kind = SymbolKind::Npc;
            symbol.name = std::string(source);
            symbol.column = sourceColumn;
            symbol.length = charLength(source);
        }
    }
    symbol.line = line;
    return symbol;
}

ScriptSymbol symbolOf(SymbolKind kind, std::string name, int block, int line, int column, int length)
{
    ScriptSymbol symbol;
    symbol.kind = kind;
    symbol.name = std::move(name);
    symbol.block = block;
    symbol.line = line;
    symbol.column = column;
    symbol.length = length;
    return symbol;
}

} // namespace

ScriptSymbol SymbolAt(const ScriptModel &model, int line, int column)
{
    if (const ScriptBlock *block = model.blockAt(line)) {
        const int index = int(block - model.blocks.data());
        if (block->line == line) {
            ScriptSymbol symbol = headerSymbolAt(model, *block, line, column);
            if (symbol.kind != SymbolKind::None)
                return symbol;
        }
        for (const ScriptLabel &label : model.labelsOf(*block))
            if (covers(label.line, label.column, charLength(label.name), line, column))
                return symbolOf(SymbolKind::Label, std::string(label.name), index, line, label.column,
                                charLength(label.name));
        for (const ScriptJump &jump : model.jumpsOf(*block))
            if (covers(jump.line, jump.column, charLength(jump.target), line, column))
                return symbolOf(SymbolKind::Label, std::string(jump.target), index, line, jump.column,
                                charLength(jump.target));
        for (const ScriptLocalFunction &function : model.functionsOf(*block))
            if (covers(function.line, function.column, charLength(function.name), line, column))
                return symbolOf(SymbolKind::LocalFunction, function.name, index, line, function.column,
                                charLength(function.name));
    }
    // Calls are in text order: only those of the line are looked at.
    const auto first = std::lower_bound(model.calls.begin(), model.calls.end(), line,
                                        [](const ScriptCall &call, int at) { return call.line < at; });
    for (auto call = first; call != model.calls.end() && call->line == line; ++call) {
        if (!covers(call->line, call->column, call->length, line, column))
            continue;
        const SymbolKind kind = callKind(model, *call);
        if (kind != SymbolKind::None)
            return symbolOf(kind, call->name, kind == SymbolKind::LocalFunction ? call->block : -1, line, call->column,
                            call->length);
    }
    for (const ScriptReference &reference : model.references) {
        if (!covers(reference.line, reference.column, reference.length, line, column))
            continue;
        if (reference.kind == ScriptReference::Function) {
            const SymbolPlace place{std::string(), reference.line, reference.column + 1, charLength(reference.target)};
            return symbolOf(SymbolKind::GlobalFunction, reference.target, -1, line, place.column, place.length);
        }
        // Up to the end of the NPC's name the caret is on the NPC; from the "::" on, on the event.
        const SymbolPlace npc = eventNpcPlace(std::string(), reference);
        if (column <= npc.column + npc.length)
            return symbolOf(SymbolKind::Npc, reference.target, -1, line, npc.column, npc.length);
        const SymbolPlace label = eventLabelPlace(std::string(), reference);
        ScriptSymbol symbol = symbolOf(SymbolKind::Event, reference.label, -1, line, label.column, label.length);
        symbol.npc = reference.target;
        return symbol;
    }
    ScriptSymbol none;
    none.line = line;
    none.column = column;
    return none;
}

std::optional<SymbolPlace> FindDefinition(const ScriptSymbol &symbol, const SymbolScope &scope)
{
    const ScriptModel *open = scope.open;
    const ScriptBlock *block = blockOf(symbol, scope);
    switch (symbol.kind) {
    case SymbolKind::None:
        return std::nullopt;
    case SymbolKind::Label:
        if (block)
            for (const ScriptLabel &label : open->labelsOf(*block))
                if (sameLabel(*open, label.name, symbol.name))
                    return SymbolPlace{scope.openPath, label.line, label.column, charLength(label.name)};
        return std::nullopt;
    case SymbolKind::LocalFunction:
        if (const ScriptLocalFunction *function = block ? localFunction(*open, *block, symbol.name) : nullptr)
            return SymbolPlace{scope.openPath, function->line, function->column, charLength(function->name)};
        return std::nullopt;
    case SymbolKind::GlobalFunction:
        if (open)
            for (const ScriptBlock &own : open->blocks)
                if (own.kind == BlockKind::Function && own.name == symbol.name)
                    return SymbolPlace{scope.openPath, own.line, own.nameColumn, charLength(own.name)};
        if (const auto *places = scope.index ? scope.index->globalFunction(symbol.name) : nullptr)
            for (const ScriptIndex::Place &place : *places)
                if (!(open && place.path() == scope.openPath))
                    return SymbolPlace{std::string(place.path()), place.block->line, place.block->nameColumn,
                                       charLength(place.block->name)};
        return std::nullopt;
    case SymbolKind::Npc: {
        const std::vector<BlockIn> npcs = npcBlocks(scope, symbol.name);
        if (npcs.empty())
            return std::nullopt;
        return uniqueNamePlace(npcs.front().path, *npcs.front().block);
    }
    case SymbolKind::Event:
        if (const auto found = eventLabel(scope, symbol.npc, symbol.name, 0))
            return SymbolPlace{found->owner.path, found->label->line, found->label->column,
                               charLength(found->label->name)};
        return std::nullopt;
    }
    return std::nullopt;
}

std::vector<SymbolPlace> FindReferences(const ScriptSymbol &symbol, const SymbolScope &scope)
{
    const std::vector<File> files = filesOf(scope);
    std::vector<SymbolPlace> places;
    const ScriptModel *open = scope.open;
    const ScriptBlock *block = blockOf(symbol, scope);
    switch (symbol.kind) {
    case SymbolKind::None:
        break;
    case SymbolKind::Label:
        if (!block)
            break;
        addLabelUses(places, scope.openPath, *open, *block, symbol.name);
        // A label of an NPC is also an event the other scripts may run.
        if (block->namesNpc())
            addEventUses(places, files, withDuplicates(files, block->uniqueName()), symbol.name);
        break;
    case SymbolKind::Event:
        if (const auto found = eventLabel(scope, symbol.npc, symbol.name, 0)) {
            addLabelUses(places, found->owner.path, *found->owner.model, *found->owner.block, symbol.name);
            addEventUses(places, files, withDuplicates(files, found->owner.block->uniqueName()), symbol.name);
        } else {
            addEventUses(places, files, {symbol.npc}, symbol.name);
        }
        break;
    case SymbolKind::LocalFunction:
        if (!block)
            break;
        for (const ScriptLocalFunction &function : open->functionsOf(*block))
            if (sameLabel(*open, function.name, symbol.name))
                places.push_back({scope.openPath, function.line, function.column, charLength(function.name)});
        for (const ScriptCall &call : open->calls)
            if (call.block == symbol.block && callKind(*open, call) == SymbolKind::LocalFunction
                && sameLabel(*open, call.name, symbol.name))
                places.push_back({scope.openPath, call.line, call.column, call.length});
        break;
    case SymbolKind::GlobalFunction:
        for (const File &file : files)
            addGlobalFunctionUses(places, file, symbol.name);
        break;
    case SymbolKind::Npc:
        for (const File &file : files)
            addNpcUses(places, file, symbol.name);
        break;
    }
    // The files in the order they were looked in; within one, text order.
    std::unordered_map<std::string, size_t> rank;
    for (size_t i = 0; i < files.size(); ++i)
        rank.emplace(*files[i].path, i);
    const auto rankOf = [&rank, &files](const std::string &path) {
        const auto it = rank.find(path);
        return it == rank.end() ? files.size() : it->second;
    };
    std::sort(places.begin(), places.end(), [&rankOf](const SymbolPlace &a, const SymbolPlace &b) {
        const size_t ra = rankOf(a.path);
        const size_t rb = rankOf(b.path);
        if (ra != rb)
            return ra < rb;
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
    places.erase(std::unique(places.begin(), places.end()), places.end());
    return places;
}
