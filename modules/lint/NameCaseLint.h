#pragma once
#include "modules/lint/Installation.h"
#include "modules/lint/LintReport.h"

namespace Lint {

// Files and folders that the program finds only because it ignores case (and "\" in the
// picture index), as an installation copied from Windows has them: info, one per name, at
// the file found. The program reads them; other tools may not.
void CheckNameCase(const Installation& installation, Report& report);

} // namespace Lint
