// The checks over a script model, one function and one row each.
#include "script_checks.h"

#include "script_index.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace {

// How many items a check goes through between two looks at the stop flag.
constexpr size_t StopPollItems = 4096;

// The stop flag, looked at once every StopPollItems items: the checks' inner loops are too
// short to load a shared flag on each turn.
class StopPoll
{
public:
    explicit StopPoll(const CheckContext &context)
        : m_stop(context.stop)
    {
    }

    bool due()
    {
        return m_stop && ++m_items % StopPollItems == 0 && m_stop->load(std::memory_order_relaxed);
    }

private:
    const std::atomic<bool> *m_stop;
    size_t m_items = 0;
};

ScriptProblem problem(const ScriptCheck &check, int line, int column, int length, std::string message)
{
    return {check.kind, line, column, std::max(length, 1), std::move(message), check.severity, check.code};
}

// The reading's own faults of the row's kind, as the parser found them.
void readingFaults(const CheckContext &context, const ScriptCheck &check, std::vector<ScriptProblem> &problems)
{
    StopPoll poll(context);
    for (const ScriptProblem &found : context.model.problems) {
        if (poll.due())
            return;
        if (found.kind == check.kind)
            problems.push_back(problem(check, found.line, found.column, found.length, found.message));
    }
}

// The global functions a model defines, by name.
std::unordered_set<std::string_view> ownFunctions(const ScriptModel &model)
{
    std::unordered_set<std::string_view> names;
    for (const ScriptBlock &block : model.blocks)
        if (block.kind == BlockKind::Function)
            names.insert(block.name);
    return names;
}

// Whether the model, or one of the checked files, defines a global function of that name.
bool globalFunctionDefined(const CheckContext &context, const std::unordered_set<std::string_view> &own,
                           std::string_view name)
{
    return own.count(name) || (context.others && context.others->globalFunction(name));
}

bool localFunctionDefined(const CheckContext &context, const ScriptBlock &block, std::string_view name)
{
    const auto functions = context.model.functionsOf(block);
    return std::any_of(functions.begin(), functions.end(), [&](const ScriptLocalFunction &function) {
        return context.profile.sameName(function.name, name);
    });
}

void unknownCommands(const CheckContext &context, const ScriptCheck &check, std::vector<ScriptProblem> &problems)
{
    // Without commands every word would be unknown: nothing can be told then.
    if (!context.options.unknownCommands || !context.profile.listsAllCommands || context.profile.commands.empty())
        return;
    std::unordered_set<std::string_view> own;
    bool ownRead = false;
    StopPoll poll(context);
    for (const ScriptCall &call : context.model.calls) {
        if (poll.due())
            return;
        if (call.command >= 0 || call.name.empty())
            continue;
        if (!ownRead) {
            own = ownFunctions(context.model);
            ownRead = true;
        }
        const ScriptBlock &block = context.model.blocks[size_t(call.block)];
        if (localFunctionDefined(context, block, call.name))
            continue;
        if (context.profile.callFunctionsByName && globalFunctionDefined(context, own, call.name))
            continue;
        problems.push_back(problem(check, call.line, call.column, call.length,
                                   "Unknown command '" + call.name + "'"));
    }
}

std::string argumentCounts(const ScriptCommand &command)
{
    const auto plural = [](int n) { return std::to_string(n) + (n == 1 ? " argument" : " arguments"); };
    if (command.maxArguments == ScriptCommand::AnyNumber)
        return "at least " + plural(command.minArguments);
    if (command.minArguments == command.maxArguments)
        return plural(command.minArguments);
    return std::to_string(command.minArguments) + " to " + plural(command.maxArguments);
}

void argumentCount(const CheckContext &context, const ScriptCheck &check, std::vector<ScriptProblem> &problems)
{
    StopPoll poll(context);
    for (const ScriptCall &call : context.model.calls) {
        if (poll.due())
            return;
        if (call.command < 0 || call.arguments < 0)
            continue;
        const ScriptCommand &command = context.profile.commands[size_t(call.command)];
        if (command.acceptsCount(call.arguments))
            continue;
        problems.push_back(problem(check, call.line, call.column, call.length,
                                   "'" + command.name + "' takes " + argumentCounts(command) + ", not "
                                       + std::to_string(call.arguments)));
    }
}

std::string definedTwice(const ScriptLabel &label, const ScriptLabel &first)
{
    return "Label '" + std::string(label.name) + "' is defined twice in this block (line "
        + std::to_string(first.line + 1) + ")";
}

std::string notDefined(const ScriptJump &jump)
{
    return "Label '" + std::string(jump.target) + "' is not defined in this block";
}

// Up to this many labels in a block, each is compared with each: cheaper than hashing them.
constexpr size_t FewLabels = 16;

void duplicateLabels(const CheckContext &context, const ScriptCheck &check, std::vector<ScriptProblem> &problems)
{
    std::unordered_map<std::string, const ScriptLabel *> seen;
    StopPoll poll(context);
    for (const ScriptBlock &block : context.model.blocks) {
        if (poll.due())
            return;
        const auto labels = context.model.labelsOf(block);
        if (labels.count() < 2)
            continue;
        if (labels.count() <= FewLabels) {
            for (size_t i = 1; i < labels.count(); ++i) {
                const ScriptLabel &label = labels[i];
                for (size_t j = 0; j < i; ++j) {
                    if (context.profile.sameName(labels[j].name, label.name)) {
                        problems.push_back(problem(check, label.line, label.column, int(label.name.size()),
                                                   definedTwice(label, labels[j])));
                        break;
                    }
                }
            }
            continue;
        }
        seen.clear();
        for (const ScriptLabel &label : labels) {
            const auto [it, added] = seen.emplace(context.profile.key(label.name), &label);
            if (!added)
                problems.push_back(problem(check, label.line, label.column, int(label.name.size()),
                                           definedTwice(label, *it->second)));
        }
    }
}

void missingLabels(const CheckContext &context, const ScriptCheck &check, std::vector<ScriptProblem> &problems)
{
    std::unordered_map<std::string, bool> keys;
    StopPoll poll(context);
    for (const ScriptBlock &block : context.model.blocks) {
        if (poll.due())
            return;
        const auto jumps = context.model.jumpsOf(block);
        if (jumps.count() == 0)
            continue;
        const auto labels = context.model.labelsOf(block);
        if (labels.count() <= FewLabels) {
            for (const ScriptJump &jump : jumps) {
                const bool found = std::any_of(labels.begin(), labels.end(), [&](const ScriptLabel &label) {
                    return context.profile.sameName(label.name, jump.target);
                });
                if (!found)
                    problems.push_back(problem(check, jump.line, jump.column, int(jump.target.size()), notDefined(jump)));
            }
            continue;
        }
        keys.clear();
        for (const ScriptLabel &label : labels)
            keys.emplace(context.profile.key(label.name), true);
        for (const ScriptJump &jump : jumps)
            if (!keys.count(context.profile.key(jump.target)))
                problems.push_back(problem(check, jump.line, jump.column, int(jump.target.size()), notDefined(jump)));
    }
}

void undefinedFunctions(const CheckContext &context, const ScriptCheck &check, std::vector<ScriptProblem> &problems)
{
    StopPoll poll(context);
    for (const ScriptBlock &block : context.model.blocks) {
        if (poll.due())
            return;
        const auto functions = context.model.functionsOf(block);
        for (const ScriptLocalFunction &declared : functions) {
            if (declared.defined)
                continue;
            const bool defined = std::any_of(functions.begin(), functions.end(), [&](const ScriptLocalFunction &f) {
                return f.defined && context.profile.sameName(f.name, declared.name);
            });
            if (!defined)
                problems.push_back(problem(check, declared.line, declared.column, int(declared.name.size()),
                                           "Function '" + declared.name + "' is declared but never defined"));
        }
    }
}

void missingFunctions(const CheckContext &context, const ScriptCheck &check, std::vector<ScriptProblem> &problems)
{
    if (!context.index || context.model.references.empty())
        return;
    const std::unordered_set<std::string_view> own = ownFunctions(context.model);
    StopPoll poll(context);
    for (const ScriptReference &reference : context.model.references) {
        if (poll.due())
            return;
        if (reference.kind == ScriptReference::Function && !globalFunctionDefined(context, own, reference.target))
            problems.push_back(problem(check, reference.line, reference.column, reference.length,
                                       "No checked file defines the function '" + reference.target + "'"));
    }
}

using NpcBlocks = std::unordered_map<std::string_view, std::vector<const ScriptBlock *>>;

// The model's NPCs by unique name.
NpcBlocks ownNpcs(const ScriptModel &model)
{
    NpcBlocks npcs;
    for (const ScriptBlock &block : model.blocks)
        if (block.kind != BlockKind::Monster && block.kind != BlockKind::MapFlag && block.kind != BlockKind::Function)
            npcs[block.uniqueName()].push_back(&block);
    return npcs;
}

// Whether an NPC of the model itself has the label, its duplicates' sources included.
bool ownNpcHasLabel(const CheckContext &context, const NpcBlocks &npcs, std::string_view npc, std::string_view label,
                    int depth = 0)
{
    const auto found = npcs.find(npc);
    if (found == npcs.end())
        return false;
    for (const ScriptBlock *named : found->second) {
        const ScriptBlock &block = *named;
        for (const ScriptLabel &own : context.model.labelsOf(block))
            if (context.profile.sameName(own.name, label))
                return true;
        if (block.kind == BlockKind::Duplicate && depth < 8
            && ownNpcHasLabel(context, npcs, context.model.sourceOf(block), label, depth + 1))
            return true;
    }
    return false;
}

void missingEvents(const CheckContext &context, const ScriptCheck &check, std::vector<ScriptProblem> &problems)
{
    if (context.model.references.empty())
        return;
    const NpcBlocks npcs = ownNpcs(context.model);
    StopPoll poll(context);
    for (const ScriptReference &reference : context.model.references) {
        if (poll.due())
            return;
        if (reference.kind != ScriptReference::Event || ownNpcHasLabel(context, npcs, reference.target, reference.label))
            continue;
        if (!context.index || (context.others && context.others->npcHasLabel(reference.target, reference.label)))
            continue;
        const bool known = (context.others && context.others->npc(reference.target)) || npcs.count(reference.target);
        problems.push_back(problem(check, reference.line, reference.column, reference.length,
                                   known ? "NPC '" + reference.target + "' has no label '" + reference.label + "'"
                                         : "No checked file has an NPC named '" + reference.target + "'"));
    }
}

void duplicateNpcs(const CheckContext &context, const ScriptCheck &check, std::vector<ScriptProblem> &problems)
{
    const bool indexed = context.index && context.index->model(context.options.path) == &context.model;
    const bool byIndex = indexed && context.others;
    // Without other files, the file's own NPCs by unique name, in an open-addressed table of block
    // numbers: a large script names a hundred thousand NPCs, and a node for each cost more than
    // the check itself.
    std::vector<uint32_t> firsts;   // a block's number + 1, or 0 where the slot is free
    size_t mask = 0;
    if (!byIndex) {
        size_t room = 16;
        while (room < context.model.blocks.size() * 2)
            room *= 2;
        firsts.assign(room, 0);
        mask = room - 1;
    }
    StopPoll poll(context);
    for (size_t i = 0; i < context.model.blocks.size(); ++i) {
        if (poll.due())
            return;
        const ScriptBlock &block = context.model.blocks[i];
        if (!block.namesNpc())
            continue;
        if (byIndex) {
            const ScriptIndex::Places *places = context.others->npc(block.uniqueName());
            if (!places || places->count() < 2 || places->first->block == &block)
                continue;
            const ScriptIndex::Place &first = *places->first;
            problems.push_back(problem(check, block.line, 0, 1,
                                       "Another NPC is named '" + std::string(block.uniqueName()) + "' ("
                                           + std::string(first.path()) + ":"
                                           + std::to_string(first.block->line + 1) + ")"));
            continue;
        }
        const std::string_view name = block.uniqueName();
        size_t slot = std::hash<std::string_view>()(name) & mask;
        while (firsts[slot] != 0 && context.model.blocks[firsts[slot] - 1].uniqueName() != name)
            slot = (slot + 1) & mask;
        if (firsts[slot] == 0) {
            firsts[slot] = uint32_t(i + 1);
            continue;
        }
        // Where the index holds this file, the first is named by its path, as the index names it.
        const std::string line = std::to_string(context.model.blocks[firsts[slot] - 1].line + 1);
        problems.push_back(problem(check, block.line, 0, 1,
                                   "Another NPC is named '" + std::string(name) + "' ("
                                       + (indexed ? context.options.path + ":" + line : "line " + line) + ")"));
    }
}

} // namespace

const std::vector<ScriptCheck> &ScriptChecks()
{
    static const std::vector<ScriptCheck> checks = {
        {ProblemKind::Pairing, Severity::Error, "unclosed", readingFaults},
        {ProblemKind::OpenText, Severity::Error, "open-text", readingFaults},
        {ProblemKind::MissingSemicolon, Severity::Error, "no-semicolon", readingFaults},
        {ProblemKind::MissingParenthesis, Severity::Error, "no-paren", readingFaults},
        {ProblemKind::StrayJump, Severity::Error, "stray-jump", readingFaults},
        {ProblemKind::DuplicateCase, Severity::Error, "dup-case", readingFaults},
        {ProblemKind::StrayElse, Severity::Error, "stray-else", readingFaults},
        {ProblemKind::BlankHeader, Severity::Error, "blank-header", readingFaults},
        {ProblemKind::BadLine, Severity::Error, "bad-line", readingFaults},
        {ProblemKind::Syntax, Severity::Error, "syntax", readingFaults},
        {ProblemKind::Assignment, Severity::Error, "assignment", readingFaults},
        {ProblemKind::UnknownCommand, Severity::Error, "unknown-command", unknownCommands},
        {ProblemKind::ArgumentCount, Severity::Error, "arg-count", argumentCount},
        {ProblemKind::DuplicateLabel, Severity::Error, "dup-label", duplicateLabels},
        {ProblemKind::UndefinedFunction, Severity::Error, "undefined-function", undefinedFunctions},
        {ProblemKind::MissingLabel, Severity::Warning, "no-label", missingLabels},
        {ProblemKind::MissingFunction, Severity::Warning, "no-function", missingFunctions},
        {ProblemKind::MissingEvent, Severity::Warning, "no-event", missingEvents},
        {ProblemKind::DuplicateNpc, Severity::Warning, "dup-npc", duplicateNpcs},
    };
    return checks;
}

const ScriptCheck &ScriptCheckOf(ProblemKind kind)
{
    const std::vector<ScriptCheck> &checks = ScriptChecks();
    const auto it = std::find_if(checks.begin(), checks.end(), [kind](const ScriptCheck &check) { return check.kind == kind; });
    return it != checks.end() ? *it : checks.front();
}

namespace {

ScriptCheckResult runChecks(const ScriptModel &model, const ScriptIndex *index, const CheckOptions &options,
                            const std::atomic<bool> *stop)
{
    ScriptCheckResult result;
    if (!model.profile)
        return result;
    const bool alone = index && index->fileCount() == 1 && index->model(options.path) == &model;
    const CheckContext context{model, *model.profile, index, alone ? nullptr : index, options, stop};
    for (const ScriptCheck &check : ScriptChecks()) {
        if (stop && stop->load(std::memory_order_relaxed))
            break;
        check.run(context, check, result.problems);
    }
    // Once set, the flag stays set: a check that returned early has left it so.
    result.stopped = stop && stop->load(std::memory_order_relaxed);
    std::stable_sort(result.problems.begin(), result.problems.end(), [](const ScriptProblem &a, const ScriptProblem &b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
    return result;
}

} // namespace

std::vector<ScriptProblem> CheckScript(const ScriptModel &model, const ScriptIndex *index, const CheckOptions &options)
{
    return runChecks(model, index, options, nullptr).problems;
}

ScriptCheckResult CheckScript(const ScriptModel &model, const ScriptIndex *index, const CheckOptions &options,
                              const std::atomic<bool> &stop)
{
    return runChecks(model, index, options, &stop);
}
