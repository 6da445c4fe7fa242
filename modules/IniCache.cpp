#include "modules/IniCache.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <list>
#include <sys/stat.h>

namespace IniCache {

namespace {

struct Stamp
{
    qint64 size = -1;
    qint64 mtimeSec = 0, mtimeNsec = 0;
    qint64 ctimeSec = 0, ctimeNsec = 0;
    quint64 inode = 0, device = 0;
    bool operator==(const Stamp&) const = default;
};

Stamp stampOf(const struct stat& st)
{
    return {qint64(st.st_size),        qint64(st.st_mtim.tv_sec),  qint64(st.st_mtim.tv_nsec),
            qint64(st.st_ctim.tv_sec), qint64(st.st_ctim.tv_nsec), quint64(st.st_ino),
            quint64(st.st_dev)};
}

struct Entry
{
    Stamp stamp;
    std::shared_ptr<const IniDocument> document;
    qint64 cost = 0;
    std::list<QString>::iterator recent;
};

struct Cache
{
    QMutex mutex;
    QHash<QString, Entry> entries;
    std::list<QString> recent; // most recently used first
    qint64 total = 0;
    qint64 budget = 64ll * 1024 * 1024;
    qint64 parses = 0;

    void remove(const QString& key)
    {
        const auto it = entries.find(key);
        if (it == entries.end())
            return;
        total -= it->cost;
        recent.erase(it->recent);
        entries.erase(it);
    }

    void trim()
    {
        while (total > budget && !recent.empty())
            remove(recent.back());
    }
};

Cache& cache()
{
    static Cache c;
    return c;
}

QString keyOf(const QString& path)
{
    // Every read passes here: an absolute path without "." or ".." parts, doubled or trailing
    // slashes is already its own absolute form.
    const bool clean = path.startsWith(u'/') && !path.contains(QStringLiteral("//")) &&
                       !path.contains(QStringLiteral("/./")) &&
                       !path.contains(QStringLiteral("/../")) && !path.endsWith(u'/') &&
                       !path.endsWith(QStringLiteral("/.")) && !path.endsWith(QStringLiteral("/.."));
    return clean ? path : QFileInfo(path).absoluteFilePath();
}

} // namespace

std::shared_ptr<const IniDocument> Load(const QString& path)
{
    if (path.isEmpty())
        return nullptr;
    Cache& c = cache();
    QMutexLocker lock(&c.mutex);
    const QString key = keyOf(path);

    struct stat st
    {
    };
    if (::stat(QFile::encodeName(key).constData(), &st) != 0 || !S_ISREG(st.st_mode)) {
        c.remove(key);
        return nullptr;
    }
    if (const auto it = c.entries.find(key); it != c.entries.end()) {
        if (it->stamp == stampOf(st)) {
            c.recent.splice(c.recent.begin(), c.recent, it->recent);
            return it->document;
        }
        c.remove(key);
    }

    QFile file(key);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    // The stamp of the opened file, taken before reading: a change during the read makes the
    // next call read again rather than keep a stale text.
    struct stat opened
    {
    };
    if (::fstat(file.handle(), &opened) != 0 || !S_ISREG(opened.st_mode))
        return nullptr;
    const QByteArray bytes = file.readAll();
    file.close();
    auto document = std::make_shared<const IniDocument>(TextCodec::Decode(bytes));
    ++c.parses;

    Entry entry;
    entry.stamp = stampOf(opened);
    entry.document = document;
    entry.cost = qint64(document->text().size()) * 2 + document->lineCount() * 32 + 256;
    if (entry.cost <= c.budget) {
        c.recent.push_front(key);
        entry.recent = c.recent.begin();
        c.total += entry.cost;
        c.entries.insert(key, std::move(entry));
        c.trim();
    }
    return document;
}

void Forget(const QString& path)
{
    Cache& c = cache();
    QMutexLocker lock(&c.mutex);
    c.remove(keyOf(path));
}

void Clear()
{
    Cache& c = cache();
    QMutexLocker lock(&c.mutex);
    c.entries.clear();
    c.recent.clear();
    c.total = 0;
}

qint64 ParseCount()
{
    Cache& c = cache();
    QMutexLocker lock(&c.mutex);
    return c.parses;
}

void SetBudget(qint64 bytes)
{
    Cache& c = cache();
    QMutexLocker lock(&c.mutex);
    c.budget = bytes;
    c.trim();
}

} // namespace IniCache
