#pragma once
// Stand-in for the Windows registry: the profile file named by KARVENNA_REGISTRY
// (section = root\key path, entry = value name, all matched without regard to case);
// without it, "HKEY_CURRENT_USER\Control Panel\International\sLanguage" follows the locale.
#include <QString>
#include <optional>

namespace Registry {

// fullPath: root + "\" + key path + "\" + value name, as RegRead takes it.
std::optional<QString> Read(const QString& fullPath);

} // namespace Registry
