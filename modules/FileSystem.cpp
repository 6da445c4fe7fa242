#include "modules/FileSystem.h"

#include <QFile>
#include <sys/stat.h>

namespace FileSystem {

bool FileExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    // Asked at every hover: one system call, without building a QFileInfo.
    struct stat st
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode) &&
           st.st_size > 0;
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
