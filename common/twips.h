// Twips (1/1440 inch) and pixels: the one conversion for everything laid out in twips.
#pragma once

#include <QLine>
#include <QRect>

inline constexpr int TwipsPerPixel = 15;

// Whole pixels for twips; halves round away from zero, alike for negative positions.
int twipsToPixels(int twips);
QRect twipsToPixels(const QRect &twips);
QLine twipsToPixels(const QLine &twips);

int pixelsToTwips(int pixels);
QRect pixelsToTwips(const QRect &pixels);
