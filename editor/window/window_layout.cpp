// The main window's resize rules.
#include "window_layout.h"

#include "shell_helpers.h"

MainLayout ComputeMainLayout(int clientWidth, int clientHeight, int editorLeft, int editorWidth)
{
    // Every size stays at least 15 twips (one pixel), so a minimized window still lays out.
    const int halfEditor = editorWidth / 2;
    MainLayout layout{};
    layout.npcListWidth = MaxOf(halfEditor, 15);
    layout.unusedListLeft = MaxOf(editorLeft + halfEditor + 15, 15);
    layout.unusedListWidth = MaxOf(halfEditor, 15);
    layout.projectListHeight = MaxOf(clientHeight - 1110, 15);
    layout.ruleWidth = MaxOf(clientWidth + 600, 15);
    layout.editorWidth = MaxOf(clientWidth - 2340, 15);
    layout.editorHeight = MaxOf(clientHeight - 1115, 15);
    return layout;
}
