#include "modules/FileSystem.h"

#include <QFileInfo>

namespace FileSystem {

bool FileExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.isFile() && info.size() > 0;
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
