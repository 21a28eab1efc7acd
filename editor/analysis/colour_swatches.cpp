// Colour swatches: the changed lines are searched again once the edit is done.
#include "colour_swatches.h"

#include <algorithm>
#include <cstring>

#include "edit_control.h"

namespace {

// The indicator's value carries the colour (Scintilla's blue-green-red order) for its drawing.
constexpr unsigned long ColourFromValue = 1;   // SC_INDICFLAG_VALUEFORE

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

ColourSwatches::ColourSwatches(EditControl &control)
    : EditFeature(control)
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
    refresh(0, control().lines() - 1);
}

void ColourSwatches::stop()
{
    disconnect(m_modified);
    EditControl &text = control();
    text.SendScintilla(QsciScintillaBase::SCI_SETINDICATORCURRENT, m_indicator);
    text.SendScintilla(QsciScintillaBase::SCI_INDICATORCLEARRANGE, 0UL, text.SendScintilla(QsciScintillaBase::SCI_GETLENGTH));
}

void ColourSwatches::textEdited(int from, int to)
{
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
    text.SendScintilla(QsciScintillaBase::SCI_SETINDICATORCURRENT, m_indicator);
    text.SendScintilla(QsciScintillaBase::SCI_INDICATORCLEARRANGE, static_cast<unsigned long>(start), end - start);
    // Only the range asked for is made contiguous, so typing in a large text stays cheap.
    const auto *bytes = reinterpret_cast<const char *>(
        text.SendScintilla(QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), end - start));
    const long size = end - start;
    for (const char *at = static_cast<const char *>(std::memchr(bytes, '^', size_t(size))); at;
         at = static_cast<const char *>(std::memchr(at + 1, '^', size_t(bytes + size - at - 1)))) {
        if (bytes + size - at < 7)
            break;
        long colour = 0;    // blue-green-red
        bool code = true;
        for (int i = 0; i < 6 && code; ++i) {
            const int digit = hexValue(at[1 + i]);
            code = digit >= 0;
            colour |= long(std::max(digit, 0)) << ((i ^ 1) * 4);
        }
        if (!code)
            continue;
        const unsigned long from = static_cast<unsigned long>(start + (at - bytes));
        text.SendScintilla(QsciScintillaBase::SCI_SETINDICATORVALUE, static_cast<unsigned long>(colour | QsciScintillaBase::SC_INDICVALUEBIT));
        text.SendScintilla(QsciScintillaBase::SCI_INDICATORFILLRANGE, from, 7L);
    }
}
