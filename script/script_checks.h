// The checks over a script model: each one a function and a row of one table.
#pragma once

#include <atomic>
#include <vector>

#include "script_model.h"

class ScriptIndex;

// What a check is given.
struct CheckContext
{
    const ScriptModel &model;
    const ScriptProfile &profile;
    const ScriptIndex *index;       // nullptr: no cross-file checks
    // The index when it holds files besides this model; nullptr when it holds this model alone,
    // whose names the model answers itself without the index's tables being built.
    const ScriptIndex *others;
    const CheckOptions &options;
    const std::atomic<bool> *stop;  // nullptr: the checks run to the end
};

struct ScriptCheck
{
    ProblemKind kind;
    Severity severity;
    const char *code;
    void (*run)(const CheckContext &context, const ScriptCheck &check, std::vector<ScriptProblem> &problems);
};

// Every check, one row each.
const std::vector<ScriptCheck> &ScriptChecks();
// The row of kind.
const ScriptCheck &ScriptCheckOf(ProblemKind kind);
