// The defaults applied once to the text area when the main window loads.
#include "editor_defaults.h"

#include "colour_scheme.h"
#include "edit_control.h"
#include "fold_margin.h"
#include "line_number_margin.h"

void applyEditorDefaults(EditControl &control)
{
    // Typing inserts on plain lines that scroll sideways; the caret's line stands out, its
    // brace and the brace's partner light up, and a new line starts at the previous indent.
    EditorOptions options;
    options.wordWrap = false;
    options.overtype = false;
    options.braceMatching = BraceMatching::Strict;
    options.highlightCurrentLine = true;
    options.enabled = true;
    options.autoIndent = true;
    options.tabWidth = 4;
    control.applyOptions(options);
    auto *lineNumbers = new LineNumberMargin(control);
    lineNumbers->setActive(true);
    // Blocks between the language's scope keywords fold from the margin beside the numbers.
    auto *folding = new FoldMargin(control);
    folding->setActive(true);

    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSize(9);
    control.setEditorFont(font);

    // Script text in the colours script writers expect: keywords blue, strings and operators
    // red, numbers violet, comments grey, the caret's line a light grey band. The user's
    // scheme, once read from the settings, takes over from this one.
    control.setColourScheme(&SchemeFor(SchemeKind::Light));
    // Colour alone sets the parts apart: no bold or italic.
    control.setElementFontStyle(StyledElement::Operator, FontStyle());
    control.setElementFontStyle(StyledElement::Keyword, FontStyle());
    control.setElementFontStyle(StyledElement::Comment, FontStyle());
}
