// What the analysis of a script text gives: the script model and the colour codes, for one revision.
#pragma once

#include <QString>

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "colour_codes.h"
#include "language_definition.h"
#include "script_model.h"
#include "script_styler.h"

// What building a model needs from the definition file, read once and shared by every user.
// The profile, when there is one, says how the server reads a script; without one the
// definition's keywords stand for its commands.
struct ScriptResources
{
    explicit ScriptResources(const LanguageDefinition &definition,
                             std::shared_ptr<const ScriptProfile> profile = nullptr);

    LanguageDefinition definition;
    ScriptStyler styler;
    std::unordered_set<std::string> keywords;
    std::shared_ptr<const ScriptProfile> profile;
};

// The definition file's resources; a missing file gives empty lists.
std::shared_ptr<const ScriptResources> LoadScriptResources(const QString &iniFile,
                                                           std::shared_ptr<const ScriptProfile> profile = nullptr);

// One row of the outline: a block, or one of its labels.
struct OutlineRow
{
    int line = 0;
    int endLine = 0;    // of the block the row is or belongs to
    int block = 0;
    int label = -1;     // -1 for the block itself
};

// One text's analysis, shared read-only by the outline, the checks, completion and the swatches.
// Positions are those of the text at revision.
struct AnalysedText
{
    uint64_t revision = 0;
    ScriptModel model;
    std::vector<OutlineRow> outline;    // blocks and labels in line order
    std::vector<ColourCode> colourCodes;
};

// The analysis of text at revision; nullptr when cancelled was set on the way. progress, when
// given, hears how far each reading of the text has come.
std::shared_ptr<const AnalysedText> AnalyseText(const ScriptResources &resources, std::string_view text,
                                                uint64_t revision, const std::atomic<bool> &cancelled,
                                                const ReadProgress *progress = nullptr);
