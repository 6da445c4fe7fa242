#include "Floor.h"

#include <QFile>
#include <vector>

qint64 Floor::ReadAndSplit(const QStringList& files)
{
    struct Span
    {
        qsizetype start, length;
    };
    std::vector<Span> lines;
    for (const QString& path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = file.readAll();
        const char* p = bytes.constData();
        qsizetype start = 0;
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            if (p[i] == '\n') {
                lines.push_back({start, i - start});
                start = i + 1;
            }
        }
        if (start < bytes.size())
            lines.push_back({start, bytes.size() - start});
    }
    return qint64(lines.size());
}
