#pragma once
// Replacing a file so that a crash at any moment leaves either the old or the new content.
#include <QByteArray>
#include <QString>

namespace AtomicFile {

// Writes bytes to a temporary file beside path (through a symbolic link: beside its target),
// flushes it to disk and renames it over the file. The file keeps its permissions and owner.
// Returns false, with the original untouched and no temporary file left, when any step fails.
bool Replace(const QString& path, const QByteArray& bytes);

} // namespace AtomicFile
