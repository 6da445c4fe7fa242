#pragma once
// The map data files and pictures: presence, the categories the menu commands name, records,
// links and coordinates.
#include "modules/lint/Installation.h"
#include "modules/lint/LintReport.h"

namespace Lint {

void CheckMapData(const Installation& installation, Report& report);

} // namespace Lint
