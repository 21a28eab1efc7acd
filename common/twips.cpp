// Conversion between twips and pixels.
#include "twips.h"


#include <cmath>

int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(twips / double(TwipsPerPixel)));
}

QRect twipsToPixels(const QRect &twips)
{
    return QRect(twipsToPixels(twips.x()), twipsToPixels(twips.y()), twipsToPixels(twips.width()),
                 twipsToPixels(twips.height()));
}

QLine twipsToPixels(const QLine &twips)
{
    return QLine(twipsToPixels(twips.x1()), twipsToPixels(twips.y1()), twipsToPixels(twips.x2()),
                 twipsToPixels(twips.y2()));
}

int pixelsToTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

QRect pixelsToTwips(const QRect &pixels)
{
    return QRect(pixelsToTwips(pixels.x()), pixelsToTwips(pixels.y()), pixelsToTwips(pixels.width()),
                 pixelsToTwips(pixels.height()));
}
