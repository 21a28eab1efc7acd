// Colour swatches: the whole text from the shared analysis, a small edit's lines at once.
#include "colour_swatches.h"

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>

#include "analysis_service.h"
#include "colour_codes.h"
#include "edit_control.h"

namespace {

// The indicator's value carries the colour (Scintilla's blue-green-red order) for its drawing.
constexpr unsigned long ColourFromValue = 1;   // SC_INDICFLAG_VALUEFORE
// Edits larger than this, such as a whole file read in, wait for the analysis rather than have
// the UI thread search them.
constexpr long LargeEdit = 256 << 10;
constexpr long CodeLength = 7;
// Marking the codes of a large text is done in slices, the UI thread free between them.
constexpr qint64 SliceNanoseconds = 2'000'000;

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
    m_modified = connect(&control(), &EditControl::textEdited, this, &ColourSwatches::textEdited);
    m_modelReady = connect(&m_analysis, &AnalysisService::modelReady, this, &ColourSwatches::markAll);
    m_wholeText = true;
    if (m_analysis.latest()->revision == m_analysis.revision())
        markAll(m_analysis.latest());
    else
        m_analysis.request();
}

void ColourSwatches::stop()
{
    disconnect(m_modified);
    disconnect(m_modelReady);
    m_wholeText = false;
    stopMarking();
    EditControl &text = control();
    text.SendScintilla(QsciScintillaBase::SCI_SETINDICATORCURRENT, m_indicator);
    text.SendScintilla(QsciScintillaBase::SCI_INDICATORCLEARRANGE, 0UL, text.SendScintilla(QsciScintillaBase::SCI_GETLENGTH));
}

void ColourSwatches::textEdited(int from, int to)
{
    if (m_marking) {
        // The codes left are at the old text's positions: the next analysis marks them.
        stopMarking();
        m_wholeText = true;
        m_following = true;
        m_analysis.follow(true);
    }
    // Reported once the edit is complete, so the changed lines can be marked at once.
    const EditControl &text = control();
    refresh(int(text.SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(from))),
            int(text.SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(to))));
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
    if (end - start > LargeEdit) {
        m_wholeText = true;
        m_analysis.request();
        return;
    }
    text.SendScintilla(QsciScintillaBase::SCI_SETINDICATORCURRENT, m_indicator);
    text.SendScintilla(QsciScintillaBase::SCI_INDICATORCLEARRANGE, static_cast<unsigned long>(start), end - start);
    // Only the range asked for is made contiguous, so typing in a large text stays cheap.
    const auto *bytes = reinterpret_cast<const char *>(
        text.SendScintilla(QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), end - start));
    for (const ColourCode &code : FindColourCodes(std::string_view(bytes, size_t(end - start)))) {
        text.SendScintilla(QsciScintillaBase::SCI_SETINDICATORVALUE, indicatorValue(code.rgb));
        text.SendScintilla(QsciScintillaBase::SCI_INDICATORFILLRANGE, static_cast<unsigned long>(start + code.position), CodeLength);
    }
}

void ColourSwatches::markAll(const std::shared_ptr<const AnalysedText> &analysed)
{
    // Small edits keep the marks right between analyses; the whole text is marked again only
    // when a large edit asked for it, or the swatches were just switched on.
    if (!m_wholeText)
        return;
    m_wholeText = false;
    EditControl &text = control();
    text.SendScintilla(QsciScintillaBase::SCI_SETINDICATORCURRENT, m_indicator);
    text.SendScintilla(QsciScintillaBase::SCI_INDICATORCLEARRANGE, 0UL, text.SendScintilla(QsciScintillaBase::SCI_GETLENGTH));
    m_marking = analysed;
    m_marked = 0;
    markSome();
}

void ColourSwatches::markSome()
{
    if (!m_marking)
        return;
    QElapsedTimer clock;
    clock.start();
    EditControl &text = control();
    text.SendScintilla(QsciScintillaBase::SCI_SETINDICATORCURRENT, m_indicator);
    const std::vector<ColourCode> &codes = m_marking->colourCodes;
    while (m_marked < codes.size()) {
        const ColourCode &code = codes[m_marked++];
        text.SendScintilla(QsciScintillaBase::SCI_SETINDICATORVALUE, indicatorValue(code.rgb));
        text.SendScintilla(QsciScintillaBase::SCI_INDICATORFILLRANGE, static_cast<unsigned long>(code.position), CodeLength);
        if (m_marked % 16 == 0 && clock.nsecsElapsed() > SliceNanoseconds) {
            QTimer::singleShot(0, this, &ColourSwatches::markSome);
            return;
        }
    }
    stopMarking();
}

void ColourSwatches::stopMarking()
{
    if (m_marking)
        m_analysis.retire(std::move(m_marking));
    m_marking.reset();
    m_marked = 0;
    if (m_following && !m_wholeText) {
        m_following = false;
        m_analysis.follow(false);
    }
}
