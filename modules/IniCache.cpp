#include "modules/IniCache.h"

#include "modules/FileSystem.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <list>

namespace IniCache {

namespace {

struct Entry
{
    QByteArray encodedPath;  // the file read, as the system calls take it, made once
    bool foundByCase = false; // encodedPath names the key's file in another case
    FileSystem::FileStamp stamp;
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

// An absolute path without "." or ".." parts, doubled or trailing slashes is already its own
// absolute form. Every read passes here, so it is one pass over the path.
bool isClean(const QString& path)
{
    const qsizetype n = path.size();
    if (n == 0 || path[0] != u'/' || path[n - 1] == u'/')
        return false;
    const QChar* p = path.constData();
    for (qsizetype i = 1; i < n; ++i) {
        if (p[i - 1] != u'/')
            continue;
        // A part that starts at i: empty, "." or "..".
        qsizetype end = i;
        while (end < n && p[end] != u'/' && end - i < 3)
            ++end;
        const qsizetype length = end - i;
        const bool partEnds = end == n || p[end] == u'/';
        if (partEnds && (length == 0 || (length == 1 && p[i] == u'.') ||
                         (length == 2 && p[i] == u'.' && p[i + 1] == u'.')))
            return false;
    }
    return true;
}

QString keyOf(const QString& path)
{
    return isClean(path) ? path : QFileInfo(path).absoluteFilePath();
}

} // namespace

std::shared_ptr<const IniDocument> Load(const QString& path)
{
    FileFacts facts;
    return Load(path, facts);
}

std::shared_ptr<const IniDocument> Load(const QString& path, FileFacts& facts)
{
    facts = FileFacts();
    if (path.isEmpty())
        return nullptr;
    Cache& c = cache();
    QMutexLocker lock(&c.mutex);
    const QString key = keyOf(path);

    const auto known = c.entries.find(key);
    QByteArray encoded = known != c.entries.end() ? known->encodedPath : QFile::encodeName(key);
    std::optional<FileSystem::FileStamp> stamp;
    if (known != c.entries.end() && known->foundByCase) {
        // A file with the exact name that appeared since is the one to read.
        const QByteArray exact = QFile::encodeName(key);
        if ((stamp = FileSystem::StampOfEncoded(exact)))
            encoded = exact;
    }
    if (!stamp)
        stamp = FileSystem::StampOfEncoded(encoded);
    if (!stamp) {
        // Data written on Windows names its files in any case.
        if (const QString found = FileSystem::FindFile(key); found != key) {
            encoded = QFile::encodeName(found);
            stamp = FileSystem::StampOfEncoded(encoded);
        }
    }
    if (!stamp) {
        c.remove(key);
        return nullptr;
    }
    facts.regular = true;
    facts.size = stamp->size;
    if (known != c.entries.end()) {
        if (known->stamp == *stamp && known->encodedPath == encoded) {
            c.recent.splice(c.recent.begin(), c.recent, known->recent);
            return known->document;
        }
        c.remove(key);
    }

    QFile file(QFile::decodeName(encoded));
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    // The stamp of the opened file, taken before reading: a change during the read makes the
    // next call read again rather than keep a stale text.
    const std::optional<FileSystem::FileStamp> opened = FileSystem::StampOfOpened(file.handle());
    if (!opened)
        return nullptr;
    const QByteArray bytes = file.readAll();
    file.close();
    auto document = std::make_shared<const IniDocument>(TextCodec::Decode(bytes));
    ++c.parses;

    Entry entry;
    entry.encodedPath = encoded;
    entry.foundByCase = encoded != QFile::encodeName(key);
    entry.stamp = *opened;
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
