#pragma once
// `karvenna --check [--home DIR]`: reads an installation as the program will and tells its
// author what players would run into.
#include "modules/lint/LintReport.h"

#include <QString>
#include <optional>

namespace Lint {

// Every check over the installation in home.
Report CheckInstallation(const QString& home);

// When the command line asks for --check: runs it, prints the findings to stdout and returns
// the exit status (1 when there are errors, 2 for a malformed command line). Otherwise nullopt.
std::optional<int> RunCheckCommand(int argc, char* argv[], const QString& defaultHome);

} // namespace Lint
