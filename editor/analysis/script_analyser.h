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
struct ScriptResources
{
    explicit ScriptResources(const LanguageDefinition &definition);

    LanguageDefinition definition;
    ScriptStyler styler;
    std::unordered_set<std::string> keywords;
};

// The definition file's resources; a missing file gives empty lists.
std::shared_ptr<const ScriptResources> LoadScriptResources(const QString &iniFile);

// One text's analysis, shared read-only by the outline, the checks, completion and the swatches.
// Positions are those of the text at revision.
struct AnalysedText
{
    uint64_t revision = 0;
    ScriptModel model;
    std::vector<ColourCode> colourCodes;
};

// The analysis of text at revision; nullptr when cancelled was set on the way.
std::shared_ptr<const AnalysedText> AnalyseText(const ScriptResources &resources, std::string_view text,
                                                uint64_t revision, const std::atomic<bool> &cancelled);
