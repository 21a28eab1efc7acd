// Where the main window's controls stand, in twips, and how they follow a resize.
#pragma once

#include <QRect>

namespace MainWindowDesign {
// Designed client area and control bounds (left, top, width, height) in twips.
inline constexpr int ClientWidth = 9315;
inline constexpr int ClientHeight = 6405;
inline const QRect Toolbar{0, 0, 9315, 360};
inline const QRect Rule{-510, 360, 9960, 90};
inline const QRect ProjectSelector{60, 450, 2190, 315};
inline const QRect ProjectList{60, 780, 2190, 5295};
inline const QRect NpcList{2295, 450, 3480, 315};
inline const QRect UnusedList{5790, 450, 3480, 315};
inline const QRect Editor{2295, 780, 6975, 5295};
inline const QRect StatusBar{0, 6105, 9315, 300};
}

// The sizes a resize pass gives, in twips.
struct MainLayout
{
    int npcListWidth;
    int unusedListLeft;
    int unusedListWidth;
    int projectListHeight;
    int ruleWidth;
    int editorWidth;
    int editorHeight;
};

// One resize pass. The selection lists follow the editor's left edge and width from before
// the pass, so they catch up with a change of width only on the next pass.
MainLayout computeMainLayout(int clientWidth, int clientHeight, int editorLeft, int editorWidth);
