#pragma once
// Single registry values as text; anything missing gives an empty string.
#include <QString>

namespace Registry_Module {

// RegReadValue("HKEY_LOCAL_MACHINE", "Software\\Karvenna", "Revision")
QString RegReadValue(const QString& root, const QString& key, const QString& value);
// RegReadPath("HKEY_CURRENT_USER\\Control Panel\\International\\", "sLanguage"); no separator is inserted.
QString RegReadPath(const QString& path, const QString& value);

} // namespace Registry_Module
