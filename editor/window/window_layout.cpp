// The main window's resize rules.
#include "window_layout.h"

#include <algorithm>

MainLayout computeMainLayout(int clientWidth, int clientHeight, int editorLeft, int editorWidth)
{
    // Every size stays at least 15 twips (one pixel), so a minimized window still lays out.
    const int halfEditor = editorWidth / 2;
    MainLayout layout{};
    layout.npcListWidth = std::max(halfEditor, 15);
    layout.unusedListLeft = std::max(editorLeft + halfEditor + 15, 15);
    layout.unusedListWidth = std::max(halfEditor, 15);
    layout.projectListHeight = std::max(clientHeight - 1110, 15);
    layout.ruleWidth = std::max(clientWidth + 600, 15);
    layout.editorWidth = std::max(clientWidth - 2340, 15);
    layout.editorHeight = std::max(clientHeight - 1115, 15);
    return layout;
}
