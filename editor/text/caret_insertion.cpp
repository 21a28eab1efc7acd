// Inserting text at the caret and placing the caret where the user types next.
#include "caret_insertion.h"

#include "edit_control.h"

CaretInsertion::CaretInsertion(EditControl &control)
    : EditFeature(control)
{
    setActive(true);
}

void CaretInsertion::insertTextAtCaret(const QString &text, bool focus, int line, int columnOffset)
{
    if (!isActive())
        return;
    EditControl &edit = control();
    // Where the text goes in: the caret, or the start of the selection it replaces. The
    // offsets count from there, so the caret lands inside the new text either way.
    int startLine = 0;
    int startColumn = 0;
    if (edit.hasSelectedText()) {
        int endLine = 0;
        int endColumn = 0;
        edit.getSelection(&startLine, &startColumn, &endLine, &endColumn);
    } else {
        edit.getCursorPosition(&startLine, &startColumn);
    }
    // Nothing to insert (an unreadable template) leaves a selection as it is.
    if (!text.isEmpty() && !edit.isReadOnly()) {
        edit.replaceSelectedText(text);
        const int targetLine = line == -1 ? startLine : line;
        const int offset = columnOffset == -1 ? int(text.size()) : columnOffset;
        edit.moveCaret(targetLine, startColumn + offset);
    }
    if (focus)
        edit.setFocus();
}
