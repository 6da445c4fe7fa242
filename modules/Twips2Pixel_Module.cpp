#include "modules/Twips2Pixel_Module.h"

#include "modules/Numeric.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <limits>

namespace Twips2Pixel_Module {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kDefaultTwipsPerPixel = 15.0; // 96 dots per inch

const QScreen* screen()
{
    // Core code also runs without a GUI application (tools, core tests).
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return nullptr;
    return QGuiApplication::primaryScreen();
}

double twipsPerPixel(double dotsPerInch)
{
    return dotsPerInch > 0 ? kTwipsPerInch / dotsPerInch : kDefaultTwipsPerPixel;
}

qint32 toInt32(double value)
{
    return qint32(std::clamp<qint64>(Numeric::RoundHalfEven(value),
                                     std::numeric_limits<qint32>::min(),
                                     std::numeric_limits<qint32>::max()));
}

} // namespace

double TwipsPerPixelX()
{
    const QScreen* s = screen();
    return s ? twipsPerPixel(s->logicalDotsPerInchX()) : kDefaultTwipsPerPixel;
}

double TwipsPerPixelY()
{
    const QScreen* s = screen();
    return s ? twipsPerPixel(s->logicalDotsPerInchY()) : kDefaultTwipsPerPixel;
}

qint32 PixelsToTwipsX(qint32 pixels)
{
    return toInt32(pixels * TwipsPerPixelX());
}
qint32 PixelsToTwipsY(qint32 pixels)
{
    return toInt32(pixels * TwipsPerPixelY());
}
qint32 TwipsToPixelsX(qint32 twips)
{
    return toInt32(twips / TwipsPerPixelX());
}
qint32 TwipsToPixelsY(qint32 twips)
{
    return toInt32(twips / TwipsPerPixelY());
}

} // namespace Twips2Pixel_Module
