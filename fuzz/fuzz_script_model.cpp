// The script model: every problem lies inside the text, and one text gives one model, built
// twice or checked twice.
#include "fuzz_definitions.h"
#include "fuzz_support.h"
#include "script_model.h"
#include "script_styler.h"

#include <string_view>

namespace {

struct Checked
{
    ScriptModel model;
    std::vector<ScriptProblem> problems;
};

// The one place that calls the script model's interface, so a change of it is mended here alone.
Checked buildAndCheck(const ScriptStyler &styler, const std::unordered_set<std::string> &keywords,
                      std::string_view text)
{
    Checked result{BuildScriptModel(styler, keywords, text), {}};
    result.problems = CheckScript(result.model, CheckOptions{});
    return result;
}

bool sameProblems(const std::vector<ScriptProblem> &a, const std::vector<ScriptProblem> &b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].kind != b[i].kind || a[i].line != b[i].line || a[i].column != b[i].column
            || a[i].length != b[i].length || a[i].message != b[i].message)
            return false;
    }
    return true;
}

// The length of each line in bytes, breaks left out; CR LF, LF and a lone CR end a line.
std::vector<int> lineLengths(std::string_view text)
{
    std::vector<int> lengths{0};
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            lengths.push_back(0);
        } else {
            ++lengths.back();
        }
    }
    return lengths;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    static const LanguageDefinition shipped = ShippedDefinition();
    static const LanguageDefinition hiding = HidingDefinition();
    static const ScriptStyler stylers[] = {ScriptStyler(shipped), ScriptStyler(hiding)};
    static const std::unordered_set<std::string> words[] = {CommandWords(shipped), CommandWords(hiding)};
    const int which = data[0] & 1;
    const std::string_view text(reinterpret_cast<const char *>(data + 1), size - 1);

    const Checked first = buildAndCheck(stylers[which], words[which], text);
    const Checked second = buildAndCheck(stylers[which], words[which], text);
    FUZZ_CHECK(sameProblems(first.problems, second.problems));
    FUZZ_CHECK(sameProblems(first.model.problems, second.model.problems));
    FUZZ_CHECK(first.model.blocks.size() == second.model.blocks.size());

    const std::vector<int> lengths = lineLengths(text);
    const int lines = int(lengths.size());
    for (const ScriptProblem &problem : first.problems) {
        FUZZ_CHECK(problem.line >= 0 && problem.line < lines);
        FUZZ_CHECK(problem.column >= 0 && problem.length >= 0);
        FUZZ_CHECK(problem.column + problem.length <= lengths[size_t(problem.line)] + 1);
        FUZZ_CHECK(!problem.message.empty());
    }
    for (const ScriptBlock &block : first.model.blocks) {
        FUZZ_CHECK(block.line >= 0 && block.line <= block.endLine && block.endLine < lines);
        for (const ScriptLabel &label : first.model.labelsOf(block))
            FUZZ_CHECK(label.line >= 0 && label.line < lines && label.column <= lengths[size_t(label.line)]);
    }
    return 0;
}
