// Analysing a script text: run on the analysis worker, never on the UI thread.
#include "script_analyser.h"

ScriptResources::ScriptResources(const LanguageDefinition &definition)
    : definition(definition)
    , styler(definition)
    , keywords(CommandWords(definition))
{
}

std::shared_ptr<const ScriptResources> LoadScriptResources(const QString &iniFile)
{
    return std::make_shared<const ScriptResources>(ReadLanguageDefinition(iniFile));
}

std::shared_ptr<const AnalysedText> AnalyseText(const ScriptResources &resources, std::string_view text,
                                                uint64_t revision, const std::atomic<bool> &cancelled)
{
    auto analysed = std::make_shared<AnalysedText>();
    analysed->revision = revision;
    analysed->colourCodes = FindColourCodes(text);
    if (cancelled)
        return nullptr;
    analysed->model = BuildScriptModel(resources.styler, resources.keywords, text);
    if (cancelled)
        return nullptr;
    return analysed;
}
