// Scrolling after a jump.
#include "jump_placement.h"

#include "edit_control.h"

#include <algorithm>

int JumpFirstVisibleLine(int target, int firstVisible, int linesOnScreen)
{
    if (linesOnScreen < 3)
        return std::max(0, target);
    const int row = target - firstVisible;
    if (row >= 1 && row < linesOnScreen / 3)
        return firstVisible;
    // A sixth of the view above the line shows where it stands without pushing it down.
    return std::max(0, target - std::max(1, linesOnScreen / 6));
}

void PlaceJumpedLine(EditControl &control, int line)
{
    const int target = int(control.SendScintilla(QsciScintillaBase::SCI_VISIBLEFROMDOCLINE,
                                                 static_cast<unsigned long>(std::max(line, 0))));
    const int linesOnScreen = int(control.SendScintilla(QsciScintillaBase::SCI_LINESONSCREEN));
    control.setFirstVisibleLine(JumpFirstVisibleLine(target, control.firstVisibleLine(), linesOnScreen));
    // The caret is in view vertically now, so this only scrolls sideways where needed.
    control.SendScintilla(QsciScintillaBase::SCI_SCROLLCARET);
}
