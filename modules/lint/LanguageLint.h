#pragma once
// The language folder: one subfolder per language with its language file, flag and texts.
#include "modules/lint/Installation.h"
#include "modules/lint/LintReport.h"

namespace Lint {

void CheckLanguages(const Installation& installation, Report& report);

} // namespace Lint
