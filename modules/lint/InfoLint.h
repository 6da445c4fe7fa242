#pragma once
// What the tooltips and the information window read: descriptions and the picture index.
#include "modules/lint/Installation.h"
#include "modules/lint/LintReport.h"

namespace Lint {

// Entities without a description, descriptions that refer to a missing entry.
void CheckDescriptions(const Installation& installation, Report& report);
// Entries of pic.ini whose picture is missing, unreadable, too big or outside the installation.
void CheckPictureIndex(const Installation& installation, Report& report);

} // namespace Lint
