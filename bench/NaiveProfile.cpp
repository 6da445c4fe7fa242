#include "NaiveProfile.h"

#include "modules/StringOps.h"

#include <QByteArrayView>
#include <QFile>
#include <cstring>

namespace NaiveProfile {

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Calls visit(line) for every line without its line break until visit returns false.
template <typename Visit> void forEachLine(const QByteArray& bytes, Visit visit)
{
    const char* p = bytes.constData();
    const char* end = p + bytes.size();
    while (p < end) {
        const char* newline = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p)));
        const char* stop = newline ? newline : end;
        QByteArrayView line(p, stop - p);
        if (line.endsWith('\r'))
            line.chop(1);
        if (!visit(line))
            return;
        p = newline ? newline + 1 : end;
    }
}

QByteArrayView headerName(QByteArrayView line)
{
    const qsizetype close = line.indexOf(']');
    return (close < 0 ? line.sliced(1) : line.sliced(1, close - 1)).trimmed();
}

} // namespace

QString ReadIni(const QString& file, const QString& section, const QString& key,
                const QString& defaultValue)
{
    const QByteArray wantedSection = section.trimmed().toUtf8();
    const QByteArray wantedKey = key.trimmed().toUtf8();
    bool inSection = false;
    QString value;
    forEachLine(readAll(file), [&](QByteArrayView line) {
        line = line.trimmed();
        if (line.startsWith('[')) {
            if (inSection)
                return false;
            inSection = headerName(line).compare(wantedSection, Qt::CaseInsensitive) == 0;
            return true;
        }
        const qsizetype eq = line.indexOf('=');
        if (!inSection || eq < 0 ||
            line.first(eq).trimmed().compare(wantedKey, Qt::CaseInsensitive) != 0)
            return true;
        value = QString::fromUtf8(line.sliced(eq + 1).trimmed()).left(2047);
        return false;
    });
    return value.isEmpty() ? defaultValue : value;
}

QStringList GetIniSections(const QString& file)
{
    QStringList names;
    forEachLine(readAll(file), [&](QByteArrayView line) {
        line = line.trimmed();
        if (line.startsWith('['))
            names.append(QString::fromUtf8(headerName(line)));
        return true;
    });
    return names;
}

QStringList GetIniKeys(const QString& file, const QString& section)
{
    const QByteArray header = (u'[' + section + u']').toUtf8();
    QStringList keys;
    bool inSection = false;
    forEachLine(readAll(file), [&](QByteArrayView line) {
        if (!inSection) {
            inSection = line == header;
            return true;
        }
        if (line.startsWith('['))
            return false;
        if (line.trimmed().isEmpty())
            return true;
        const qsizetype eq = line.indexOf('=');
        keys.append(QString::fromUtf8((eq < 0 ? line : line.first(eq)).trimmed()));
        return true;
    });
    return keys;
}

void CacheEntities(const QString& dataFile, const QString& picture, const QString& infoFile,
                   QList<SearchRecord>& records)
{
    const QString comma = QStringLiteral(",");
    for (const QString& section : GetIniSections(dataFile)) {
        QString category = section;
        category.remove(u'[').remove(u']');
        for (const QString& key : GetIniKeys(dataFile, section)) {
            if (key.startsWith(u';') || key.startsWith(u'/') || key.startsWith(u'*'))
                continue;
            SearchRecord record{dataFile, picture, category, key, {}, 0, 0};
            QString description = ReadIni(infoFile, QStringLiteral("Info"), key, QString());
            if (description.startsWith(u'#'))
                description = ReadIni(infoFile, QStringLiteral("Info"),
                                      description.mid(1).trimmed(), QString());
            record.description = description;
            QString value = ReadIni(dataFile, section, key, QString());
            if (StringOps::GetSplitItem(value, 1, comma).trimmed() == u"#")
                value = ReadIni(dataFile, StringOps::GetSplitItem(value, 2, comma).trimmed(), key,
                                QString());
            record.x = Search::Coordinate(StringOps::GetToken(value, 1, comma));
            record.y = Search::Coordinate(StringOps::GetToken(value, 2, comma));
            records.append(record);
        }
    }
}

} // namespace NaiveProfile
