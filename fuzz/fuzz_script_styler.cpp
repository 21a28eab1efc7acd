// The styler: styling again from the line an edit touched, in the state the line before ended
// in, gives what styling the edited text from the top gives.
#include "fuzz_definitions.h"
#include "fuzz_support.h"
#include "script_styler.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct Styled
{
    std::vector<unsigned char> styles;
    std::vector<ScriptStyler::Line> lines;
};

Styled styleFrom(const ScriptStyler &styler, const std::string &text, size_t from, int state)
{
    Styled result;
    result.styles.resize(text.size() - from);
    styler.style(text.data() + from, int(text.size() - from), state, result.styles.data(), result.lines);
    return result;
}

// Where each line starts, as the styler counts lines (CR LF, LF or a lone CR end one).
std::vector<size_t> lineStarts(const std::string &text)
{
    std::vector<size_t> starts{0};
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        if (text[i] == '\r' || text[i] == '\n')
            starts.push_back(i + 1);
    }
    return starts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 4)
        return 0;
    static const ScriptStyler stylers[] = {ScriptStyler(ShippedDefinition()), ScriptStyler(HidingDefinition())};
    const ScriptStyler &styler = stylers[data[0] & 1];
    const QList<QByteArray> parts = fuzzParts(data + 1, size - 1, 2);
    const std::string before = parts.at(0).toStdString();
    const std::string inserted = parts.at(1).toStdString();
    // Where the edit is and how much it removes come from the text itself.
    const size_t at = before.empty() ? 0 : size_t(data[1]) * 7 % (before.size() + 1);
    const size_t removed = std::min(before.size() - at, size_t(data[2]) % 8);
    const std::string after = before.substr(0, at) + inserted + before.substr(at + removed);

    const Styled old = styleFrom(styler, before, 0, 0);
    const Styled full = styleFrom(styler, after, 0, 0);
    // The line holding the edit, found by a line-start scan of the text before it.
    const std::vector<size_t> starts = lineStarts(before);
    size_t line = 0;
    while (line + 1 < starts.size() && starts[line + 1] <= at)
        ++line;
    // A CR that ends the line before could join an LF the edit brings: start a line earlier.
    if (line > 0)
        --line;
    const int state = line == 0 ? 0 : old.lines[line - 1].nextState;
    const Styled again = styleFrom(styler, after, starts[line], state);

    FUZZ_CHECK(full.styles.size() == starts[line] + again.styles.size());
    FUZZ_CHECK(std::equal(again.styles.begin(), again.styles.end(), full.styles.begin() + long(starts[line])));
    FUZZ_CHECK(full.lines.size() == line + again.lines.size());
    for (size_t i = 0; i < again.lines.size(); ++i) {
        FUZZ_CHECK(again.lines[i].foldLevel == full.lines[line + i].foldLevel);
        FUZZ_CHECK(again.lines[i].nextState == full.lines[line + i].nextState);
    }
    return 0;
}
