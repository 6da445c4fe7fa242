#include "modules/progress/ProgressFile.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace ProgressFile {

QByteArray ToJson(const QString& profile, const QList<FoundMark>& marks)
{
    QJsonArray found;
    for (const FoundMark& m : marks) {
        QJsonObject o{{"map", m.entity.mapId}, {"name", m.entity.name}};
        if (!m.marked.isEmpty())
            o["marked"] = m.marked;
        found.append(o);
    }
    const QJsonObject root{
        {"format", "karvenna-progress"},
        {"version", kVersion},
        {"profile", profile},
        {"exported", QDateTime::currentDateTimeUtc().toString(Qt::ISODate)},
        {"found", found},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<QList<FoundMark>> FromJson(const QByteArray& bytes, QString* error)
{
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parse);
    if (parse.error != QJsonParseError::NoError || !doc.isObject()) {
        *error = QStringLiteral("not a JSON object (%1 at byte %2)")
                     .arg(parse.errorString()).arg(parse.offset);
        return std::nullopt;
    }
    const QJsonObject root = doc.object();
    if (root.value("format").toString() != QLatin1String("karvenna-progress")) {
        *error = QStringLiteral("not a Karvenna progress file (\"format\" is not \"karvenna-progress\")");
        return std::nullopt;
    }
    const int version = root.value("version").toInt(0);
    if (version < 1 || version > kVersion) {
        *error = QStringLiteral("version %1 of the progress file is not known to this program")
                     .arg(root.value("version").toVariant().toString());
        return std::nullopt;
    }
    if (!root.value("found").isArray()) {
        *error = QStringLiteral("\"found\" is not a list");
        return std::nullopt;
    }
    QList<FoundMark> marks;
    const QJsonArray found = root.value("found").toArray();
    for (qsizetype i = 0; i < found.size(); ++i) {
        const QJsonObject o = found.at(i).toObject();
        const QString map = o.value("map").toString();
        const QString name = o.value("name").toString();
        if (map.isEmpty() || name.isEmpty()) {
            *error = QStringLiteral("entry %1 of \"found\" lacks \"map\" or \"name\"").arg(i + 1);
            return std::nullopt;
        }
        marks.append({{map, name}, o.value("marked").toString()});
    }
    return marks;
}

} // namespace ProgressFile
