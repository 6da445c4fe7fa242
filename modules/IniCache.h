#pragma once
// Parsed profile files, kept by absolute path and checked against the file on disk at every
// call (size, modification and change times to the nanosecond, inode), so that each lookup sees
// exactly what a fresh read would see while a file read many times is parsed only once.
#include "modules/IniDocument.h"

#include <QString>
#include <memory>

namespace IniCache {

// The parsed file, or nullptr when it is missing, not a regular file or unreadable.
std::shared_ptr<const IniDocument> Load(const QString& path);

// What the look at the disk saw, for callers that choose between files by it.
struct FileFacts
{
    bool regular = false;  // exists and is a regular file
    qint64 size = -1;
};
std::shared_ptr<const IniDocument> Load(const QString& path, FileFacts& facts);

// Drops the file from the cache (after this program wrote it).
void Forget(const QString& path);
void Clear();

// How many times a file was read and parsed since start; lets tests check the cache works.
qint64 ParseCount();

// Upper bound of the memory the cached texts may take; least recently used files go first.
void SetBudget(qint64 bytes);

} // namespace IniCache
