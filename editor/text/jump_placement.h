// Where a jump (Go to Line, an outline entry, a problem, a search hit) leaves the view: its line
// in the upper third with a little text above it, never on the bottom edge.
#pragma once

class EditControl;

// The first visible line after a jump to target, all in display lines. A view that already
// shows target in its upper third, below the top row, stays where it is.
int JumpFirstVisibleLine(int target, int firstVisible, int linesOnScreen);

// Scrolls the control so that the document line holding the caret's jump lands as above, and
// horizontally so that the caret is in view.
void PlaceJumpedLine(EditControl &control, int line);
