// The modules' pictures and button icons, drawn at run time so that no image file is needed.
#pragma once

#include "header_substitution.h"

#include <QIcon>
#include <QPixmap>

// The header picture of the NPC and shop modules: a character with a greeting bubble.
QPixmap characterPicture();
// The header picture of the message module: a speech bubble with lines of text.
QPixmap messagePicture();
// The square picture amid the look options: a character seen from above, turned to face facing
// (north at the top).
QPixmap lookFigurePicture(Facing facing = Facing::North);
// The icon of the sprite-list button ("_npcsprites"): a sheet of sprite boxes.
QIcon spriteListIcon();
// The icon of the map button ("_maplocation"): a folded map with a pin.
QIcon mapLocationIcon();
