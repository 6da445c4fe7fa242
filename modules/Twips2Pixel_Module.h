#pragma once
// Window geometry is kept in twips (1/1440 inch); pixels only at the edge.
#include <QtGlobal>

namespace Twips2Pixel_Module {

// 1440 / the screen's logical dots per inch, asked at every call (15 at 96 dpi;
// 15 without a screen, e.g. in core tests).
double TwipsPerPixelX();
double TwipsPerPixelY();

qint32 PixelsToTwipsX(qint32 pixels);
qint32 PixelsToTwipsY(qint32 pixels);
qint32 TwipsToPixelsX(qint32 twips);
qint32 TwipsToPixelsY(qint32 twips);

} // namespace Twips2Pixel_Module
