// Analysing a script text: run on the analysis worker, never on the UI thread.
#include "script_analyser.h"

#include "script_tokenizer.h"

ScriptResources::ScriptResources(const LanguageDefinition &definition, std::shared_ptr<const ScriptProfile> profile)
    : definition(definition)
    , styler(definition)
    , keywords(CommandWords(definition))
    , profile(std::move(profile))
{
}

std::shared_ptr<const ScriptResources> LoadScriptResources(const QString &iniFile,
                                                           std::shared_ptr<const ScriptProfile> profile)
{
    return std::make_shared<const ScriptResources>(ReadLanguageDefinition(iniFile), std::move(profile));
}

namespace {

// The colour codes of text, a piece at a time when progress is told of each: no code spans a
// line end, so pieces cut at line ends find the same codes.
std::vector<ColourCode> ColourCodesOf(std::string_view text, const ReadProgress *progress)
{
    if (!progress)
        return FindColourCodes(text);
    constexpr size_t Piece = 4 << 20;
    std::vector<ColourCode> codes;
    for (size_t at = 0; at < text.size();) {
        const size_t end = ScriptPieceEnd(text, at, Piece);
        for (ColourCode code : FindColourCodes(text.substr(at, end - at))) {
            code.position += int64_t(at);
            codes.push_back(code);
        }
        at = end;
        (*progress)(at);
    }
    return codes;
}

} // namespace

std::shared_ptr<const AnalysedText> AnalyseText(const ScriptResources &resources, std::string_view text,
                                                uint64_t revision, const std::atomic<bool> &cancelled,
                                                const ReadProgress *progress)
{
    auto analysed = std::make_shared<AnalysedText>();
    analysed->revision = revision;
    analysed->colourCodes = ColourCodesOf(text, progress);
    if (cancelled)
        return nullptr;
    // A stale build of a large text stops within a few thousand tokens of being cancelled.
    analysed->model = resources.profile ? BuildScriptModel(resources.profile, text, &cancelled, progress)
                                        : BuildScriptModel(resources.styler, resources.keywords, text, &cancelled);
    if (cancelled || analysed->model.stopped)
        return nullptr;
    // Listed here rather than by the list, which would hold the UI thread up on a large script.
    // A row for each block and label: room for them at once spares copying a growing list.
    analysed->outline.reserve(analysed->model.blocks.size() + analysed->model.labels.size());
    for (int b = 0; b < int(analysed->model.blocks.size()); ++b) {
        const ScriptBlock &block = analysed->model.blocks[size_t(b)];
        analysed->outline.push_back({block.line, block.endLine, b, -1});
        const auto labels = analysed->model.labelsOf(block);
        for (int l = 0; l < int(labels.count()); ++l)
            analysed->outline.push_back({labels[size_t(l)].line, block.endLine, b, l});
    }
    return analysed;
}
