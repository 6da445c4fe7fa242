#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

namespace FileSystem {

// True when the file exists and is longer than zero bytes.
bool FileExists(const QString& path);
// What a file looks like on disk: its size, modification and change times to the nanosecond,
// inode and device. Caches of parsed or decoded files compare it to notice any change.
struct FileStamp
{
    qint64 size = -1;
    qint64 mtimeSec = 0, mtimeNsec = 0;
    qint64 ctimeSec = 0, ctimeNsec = 0;
    quint64 inode = 0, device = 0;
    bool operator==(const FileStamp&) const = default;
};
// The stamp of a regular file, with one system call; nullopt for anything else or nothing.
std::optional<FileStamp> StampOf(const QString& path);
std::optional<FileStamp> StampOfEncoded(const QByteArray& encodedPath);
// The same for a file already open (its descriptor).
std::optional<FileStamp> StampOfOpened(int handle);

// Windows names files without regard to case, and installations copied from there keep
// whatever case their files had while their data names them in another. The path of what
// path names there: path itself when it exists; otherwise the same path with "\" taken as a
// folder separator, each part that does not exist as written matched against its folder's
// entries without regard to case (the first in name order when several match). path
// unchanged when some part matches nothing.
QString FindFile(const QString& path);
// True when path does not exist as written but FindFile finds it under another case.
bool MatchesOnlyByCase(const QString& path);

// File name without folder ("/" or "\") and without its last extension.
QString GetFileStem(const QString& path);

} // namespace FileSystem
