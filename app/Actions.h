#pragma once
#include <QString>

class frmMain;

namespace Actions {

// Whether option names an action and whether it takes a value.
bool IsAction(const QString& option, bool* takesValue);
// Runs one action as a person would; what cannot be done is recorded in errors.
void Run(frmMain& main, const QString& option, const QString& value);

} // namespace Actions
