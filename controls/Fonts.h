#pragma once
#include <QFont>

namespace Fonts {

// "MS Sans Serif" of the window designs, as the platform's sans-serif.
QFont MsSansSerif(double points, bool bold = false);

} // namespace Fonts
