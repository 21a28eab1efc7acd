// The line-number margin: follows the line count and the text's font.
#include "line_number_margin.h"

#include "edit_control.h"

LineNumberMargin::LineNumberMargin(EditControl &control)
    : EditFeature(control)
{
    control.setMarginType(0, QsciScintilla::NumberMargin);
    control.setMarginLineNumbers(0, false);
    control.setMarginWidth(0, 0);
    connect(this, &EditFeature::activeChanged, this, [this](bool active) { active ? start() : stop(); });
}

void LineNumberMargin::start()
{
    EditControl &text = control();
    text.setMarginLineNumbers(0, true);
    m_lines = connect(&text, &EditControl::lineCountChanged, this, [this] { fitWidth(false); });
    m_font = connect(&text, &EditControl::editorFontChanged, this, [this] { fitWidth(true); });
    fitWidth(true);
}

void LineNumberMargin::stop()
{
    disconnect(m_lines);
    disconnect(m_font);
    control().setMarginLineNumbers(0, false);
    control().setMarginWidth(0, 0);
}

void LineNumberMargin::fitWidth(bool force)
{
    const int digits = QString::number(qMax(1, control().lines())).size();
    if (!force && digits == m_digits)
        return;
    m_digits = digits;
    // One spare digit keeps the numbers off the text.
    control().setMarginWidth(0, QString(qMax(digits, 2) + 1, QLatin1Char('9')));
}
