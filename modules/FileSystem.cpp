#include "modules/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
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

bool exists(const QString& path)
{
    struct stat st
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &st) == 0;
}

// The entries of the folders looked into, by their case-folded names. A folder is listed again
// when its own stamp changes, so that a renamed or added file is seen at the next lookup.
struct Listing
{
    qint64 mtimeSec = 0, mtimeNsec = 0;
    quint64 inode = 0, device = 0;
    QHash<QString, QString> byFoldedName;
};

class Listings
{
public:
    // folder: an existing folder, st: what stat said of it a moment ago.
    QString match(const QString& folder, const struct stat& st, const QString& name)
    {
        QMutexLocker lock(&m_mutex);
        Listing& listing = m_listings[folder];
        if (listing.byFoldedName.isEmpty() || listing.mtimeSec != st.st_mtim.tv_sec
            || listing.mtimeNsec != st.st_mtim.tv_nsec || listing.inode != st.st_ino
            || listing.device != st.st_dev) {
            listing = Listing{qint64(st.st_mtim.tv_sec), qint64(st.st_mtim.tv_nsec),
                              quint64(st.st_ino), quint64(st.st_dev), {}};
            const QStringList entries = QDir(folder).entryList(
                QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
            // Name order decides between names that differ in case only: the first one wins.
            for (auto it = entries.crbegin(); it != entries.crend(); ++it)
                listing.byFoldedName.insert(it->toCaseFolded(), *it);
        }
        const QString found = listing.byFoldedName.value(name.toCaseFolded());
        // An installation's folders are few; a program that wanders through many starts over.
        if (m_listings.size() > 512)
            m_listings.clear();
        return found;
    }

private:
    QMutex m_mutex;
    QHash<QString, Listing> m_listings;
};

Listings& listings()
{
    static Listings l;
    return l;
}

// The existing path that slashed (known not to exist as written) names without regard to
// case, or a null string.
QString findMissing(const QString& slashed)
{
    const qsizetype slash = slashed.lastIndexOf(u'/');
    const QString name = slashed.mid(slash + 1);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return {};
    QString folder = slash == 0 ? QStringLiteral("/") : slash < 0 ? QStringLiteral(".") : slashed.left(slash);
    struct stat st
    {
    };
    if (::stat(QFile::encodeName(folder).constData(), &st) != 0) {
        if (slash <= 0)
            return {};
        folder = findMissing(folder);
        if (folder.isNull() || ::stat(QFile::encodeName(folder).constData(), &st) != 0)
            return {};
    }
    if (!S_ISDIR(st.st_mode))
        return {};
    const QString match = listings().match(folder, st, name);
    if (match.isEmpty())
        return {};
    if (slash < 0)
        return match;
    return folder.endsWith(u'/') ? folder + match : folder + u'/' + match;
}

QString withSlashes(QString path)
{
    path.replace(u'\\', u'/');
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path;
}

// What FindFile finds for a path that does not exist as written; null for nothing.
QString findAfterMiss(const QString& path)
{
    const QString slashed = withSlashes(path);
    if (slashed != path && exists(slashed))
        return slashed;
    return findMissing(slashed);
}

} // namespace

QString FindFile(const QString& path)
{
    if (path.isEmpty() || exists(path))
        return path;
    const QString found = findAfterMiss(path);
    return found.isNull() ? path : found;
}

bool MatchesOnlyByCase(const QString& path)
{
    if (path.isEmpty() || exists(path))
        return false;
    const QString found = findAfterMiss(path);
    return !found.isNull() && found != withSlashes(path);
}

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
    std::optional<FileStamp> stamp = StampOf(path);
    if (!stamp && !path.isEmpty())
        if (const QString found = findAfterMiss(path); !found.isNull())
            stamp = StampOf(found);
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
