#pragma once
// `karvenna --check [--home DIR]`: reads an installation as the program will and tells its
// author what players would run into.
#include "modules/lint/LintReport.h"

#include <QString>

namespace Lint {

// Every check over the installation in home.
Report CheckInstallation(const QString& home);

} // namespace Lint
