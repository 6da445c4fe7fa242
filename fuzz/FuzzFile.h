#pragma once
// A scratch file per fuzzing process, rewritten for every input.
#include "modules/IniCache.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <unistd.h>

inline QString FuzzScratchFolder()
{
    static const QString folder = [] {
        // Memory-backed when there is one: every write flushes to disk, which a disk makes slow.
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
        const QString path = base + QStringLiteral("/karvenna-fuzz-%1").arg(::getpid());
        QDir().mkpath(path);
        return path;
    }();
    return folder;
}

// Writes bytes to name in the scratch folder and drops any parsed copy of it.
inline QString WriteFuzzFile(const QString& name, const QByteArray& bytes)
{
    const QString path = FuzzScratchFolder() + QLatin1Char('/') + name;
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
    f.close();
    IniCache::Forget(path);
    return path;
}
