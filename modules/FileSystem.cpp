#include "modules/FileSystem.h"

#include <QFile>
#include <sys/stat.h>

namespace FileSystem {

namespace {

std::optional<FileStamp> stampOfRegular(int result, const struct stat& st)
{
    if (result != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return FileStamp{qint64(st.st_size),        qint64(st.st_mtim.tv_sec),
                     qint64(st.st_mtim.tv_nsec), qint64(st.st_ctim.tv_sec),
                     qint64(st.st_ctim.tv_nsec), quint64(st.st_ino),
                     quint64(st.st_dev)};
}

} // namespace

std::optional<FileStamp> StampOfEncoded(const QByteArray& encodedPath)
{
    struct stat st
    {
    };
    const int result = ::stat(encodedPath.constData(), &st);
    return stampOfRegular(result, st);
}

std::optional<FileStamp> StampOf(const QString& path)
{
    return path.isEmpty() ? std::nullopt : StampOfEncoded(QFile::encodeName(path));
}

std::optional<FileStamp> StampOfOpened(int handle)
{
    struct stat st
    {
    };
    const int result = ::fstat(handle, &st);
    return stampOfRegular(result, st);
}

bool FileExists(const QString& path)
{
    // Asked at every hover: one system call, without building a QFileInfo.
    const std::optional<FileStamp> stamp = StampOf(path);
    return stamp && stamp->size > 0;
}

QString GetFileStem(const QString& path)
{
    const qsizetype slash = qMax(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    const QString name = path.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    // A name without a dot has no extension to lose.
    return dot < 0 ? name : name.left(dot);
}

} // namespace FileSystem
