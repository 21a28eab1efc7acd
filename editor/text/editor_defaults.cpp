// The defaults applied once to the text area when the main window loads.
#include "editor_defaults.h"

#include "edit_control.h"
#include "fold_margin.h"
#include "line_number_margin.h"

void InitEditorControl(EditControl &control)
{
    // The start-up switches as our control understands them, in the order they are applied:
    //   19 = false  word wrap off: long lines scroll sideways
    //    6 = false  overtype off: typing inserts
    //    3 = true   line numbers shown in the left margin (a feature attached after the rest)
    //   88 = 1      brace matching: strict (the brace at the caret and its partner)
    //   87 = true   the caret's line is highlighted
    //    0 = true   the control is enabled (its default property)
    //   75 = true   auto-indent: a new line starts at the previous line's indent
    //   21 = 4      tab width: 4 columns
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

    // Element colours (index: what it colours). The text elements apply to the list-driven
    // script language; QScintilla's built-in languages keep their own colours.
    control.setElementColour(EditorElement::CurrentLineBackground, QColor(240, 240, 240)); // 27
    control.setElementColour(EditorElement::LineNumberText, QColor(170, 170, 170));        // 26
    control.setElementColour(EditorElement::NumberText, QColor(128, 0, 225));              // 14
    control.setElementColour(EditorElement::KeywordText, QColor(0, 0, 255));               // 20
    control.setElementColour(EditorElement::CommentText, QColor(128, 128, 128));           // 16
    control.setElementColour(EditorElement::ScopeKeywordText, QColor(0, 0, 255));          // 22
    control.setElementColour(EditorElement::StringText, QColor(255, 0, 0));                // 24
    control.setElementColour(EditorElement::OperatorText, QColor(255, 0, 0));              // 10
    // Font styles (index: element; 0 = normal): operators 9, keywords 2, comments 5.
    control.setElementFontStyle(EditorElement::OperatorStyle, 0);
    control.setElementFontStyle(EditorElement::KeywordStyle, 0);
    control.setElementFontStyle(EditorElement::CommentStyle, 0);
}
