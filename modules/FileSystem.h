#pragma once
#include <QString>

namespace FileSystem {

// True when the file exists and is longer than zero bytes.
bool FileExists(const QString& path);
// File name without folder ("/" or "\") and without its last extension.
QString GetFileStem(const QString& path);

} // namespace FileSystem
