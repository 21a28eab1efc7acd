// Colour swatches: the lines on screen and around them, and a small edit's lines at once.
#include "colour_swatches.h"

#include <algorithm>

#include "analysis_service.h"
#include "colour_codes.h"
#include "edit_control.h"

namespace {

// The indicator's value carries the colour (Scintilla's blue-green-red order) for its drawing.
constexpr unsigned long ColourFromValue = 1;   // SC_INDICFLAG_VALUEFORE
// Edits larger than this, such as a whole file read in, are marked where they are seen.
constexpr long LargeEdit = 256 << 10;
constexpr long CodeLength = 7;
// Lines marked above and below the screen, so that scrolling a little finds them marked. A
// swatch is seen only on screen: marking all of a large script's hundreds of thousands of codes
// would make Scintilla grow its marks by tens of milliseconds at a time.
constexpr int AroundLines = 400;

unsigned long indicatorValue(uint32_t rgb)
{
    const uint32_t bgr = ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
    return static_cast<unsigned long>(bgr | QsciScintillaBase::SC_INDICVALUEBIT);
}

} // namespace

ColourSwatches::ColourSwatches(EditControl &control, AnalysisService &analysis)
    : EditFeature(control)
    , m_analysis(analysis)
{
    m_indicator = control.indicatorDefine(QsciScintilla::ThickCompositionIndicator);
    control.SendScintilla(QsciScintillaBase::SCI_INDICSETFLAGS, static_cast<unsigned long>(m_indicator), ColourFromValue);
    connect(this, &EditFeature::activeChanged, this, [this](bool active) { active ? start() : stop(); });
    setActive(true);
}

QColor ColourSwatches::colourAt(int position) const
{
    const EditControl &text = control();
    const unsigned long indicator = static_cast<unsigned long>(m_indicator);
    if (position < 0 || !(text.SendScintilla(QsciScintillaBase::SCI_INDICATORALLONFOR, static_cast<unsigned long>(position)) & (1L << m_indicator)))
        return {};
    const long value = text.SendScintilla(QsciScintillaBase::SCI_INDICATORVALUEAT, indicator, static_cast<long>(position));
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

void ColourSwatches::start()
{
    m_modified = connect(&control(), &EditControl::textEdited, this, &ColourSwatches::markEdited);
    m_scrolled = connect(&control(), &QsciScintillaBase::SCN_UPDATEUI, this, [this](int updated) {
        if (updated & QsciScintillaBase::SC_UPDATE_V_SCROLL)
            markAround(false);
    });
    markAround(true);
}

void ColourSwatches::stop()
{
    disconnect(m_modified);
    disconnect(m_scrolled);
    m_aroundFirst = m_aroundLast = -1;
    EditControl &text = control();
    text.SendScintilla(QsciScintillaBase::SCI_SETINDICATORCURRENT, m_indicator);
    text.SendScintilla(QsciScintillaBase::SCI_INDICATORCLEARRANGE, 0UL, text.SendScintilla(QsciScintillaBase::SCI_GETLENGTH));
}

void ColourSwatches::markEdited(int from, int to)
{
    const EditControl &text = control();
    if (to - from > LargeEdit) {
        markAround(true);
        return;
    }
    // Reported once the edit is complete, so the changed lines can be marked at once.
    refresh(int(text.SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(from))),
            int(text.SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(to))));
}

void ColourSwatches::markAround(bool always)
{
    const EditControl &text = control();
    const int first = int(text.SendScintilla(QsciScintillaBase::SCI_DOCLINEFROMVISIBLE,
                                             text.SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE)));
    const int last = first + int(text.SendScintilla(QsciScintillaBase::SCI_LINESONSCREEN));
    if (!always && first >= m_aroundFirst && last <= m_aroundLast)
        return;
    m_aroundFirst = std::max(0, first - AroundLines);
    m_aroundLast = last + AroundLines;
    refresh(m_aroundFirst, m_aroundLast);
}

void ColourSwatches::refresh(int firstLine, int lastLine)
{
    EditControl &text = control();
    const long length = text.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    const int lines = text.lines();
    firstLine = std::clamp(firstLine, 0, lines - 1);
    lastLine = std::clamp(lastLine, firstLine, lines - 1);
    const long start = text.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(firstLine));
    const long end = lastLine + 1 < lines
        ? text.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(lastLine + 1))
        : length;
    if (end <= start)
        return;
    text.SendScintilla(QsciScintillaBase::SCI_SETINDICATORCURRENT, m_indicator);
    text.SendScintilla(QsciScintillaBase::SCI_INDICATORCLEARRANGE, static_cast<unsigned long>(start), end - start);
    const auto mark = [&text](long position, uint32_t rgb) {
        text.SendScintilla(QsciScintillaBase::SCI_SETINDICATORVALUE, indicatorValue(rgb));
        text.SendScintilla(QsciScintillaBase::SCI_INDICATORFILLRANGE, static_cast<unsigned long>(position), CodeLength);
    };
    // The analysis has the codes when it is of the text as it stands; otherwise only the range
    // asked for is searched, made contiguous, so that typing in a large text stays cheap.
    const std::shared_ptr<const AnalysedText> analysed = m_analysis.latest();
    if (analysed->revision == m_analysis.revision()) {
        const std::vector<ColourCode> &codes = analysed->colourCodes;
        auto code = std::lower_bound(codes.begin(), codes.end(), int64_t(start),
                                     [](const ColourCode &c, int64_t at) { return c.position < at; });
        for (; code != codes.end() && code->position < end; ++code)
            mark(long(code->position), code->rgb);
        return;
    }
    const auto *bytes = reinterpret_cast<const char *>(
        text.SendScintilla(QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), end - start));
    for (const ColourCode &code : FindColourCodes(std::string_view(bytes, size_t(end - start))))
        mark(start + long(code.position), code.rgb);
}
