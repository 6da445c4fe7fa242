#include "controls/TwipsGeometry.h"
#include "modules/Twips2Pixel_Module.h"
#include <QWidget>

using namespace Twips2Pixel_Module;

QRect TwipsGeometry::ToPixels(int left, int top, int width, int height)
{
    return QRect(TwipsToPixelsX(left), TwipsToPixelsY(top), TwipsToPixelsX(width),
                 TwipsToPixelsY(height));
}

void TwipsGeometry::Place(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(ToPixels(left, top, width, height));
}
