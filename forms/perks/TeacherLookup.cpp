#include "forms/perks/TeacherLookup.h"
#include "modules/FileSystem.h"
#include "modules/LOCAL.h"
#include "modules/StringOps.h"

#include <QFileInfo>

namespace {

struct RegionCaption
{
    QLatin1String fileName;
    QString german;
    QString langKey;
};

const RegionCaption kRegionCaptions[] = {
    {QLatin1String("caldora.data"), QStringLiteral("Caldora: Lehrer für "),
     QStringLiteral("CaldoraTeachersFor")},
    {QLatin1String("frostmere.data"), QStringLiteral("Frostmere: Lehrer für "),
     QStringLiteral("FrostmereTeachersFor")},
    {QLatin1String("qasira.data"), QStringLiteral("Qasira: Lehrer für "),
     QStringLiteral("QasiraTeachersFor")},
};

} // namespace

bool TeacherLookup::IsPerkKey(const QString& key)
{
    return key.size() > 1 && key != QLatin1String("root");
}

QString TeacherLookup::Caption(const LanguageState& language, const QString& dataFile,
                               const QString& text)
{
    QString caption;
    for (const RegionCaption& region : kRegionCaptions) {
        if (!StringOps::Contains(dataFile, region.fileName))
            continue;
        caption = LOCAL::IsGerman(language)
                      ? region.german + text
                      : LOCAL::Text(language, QStringLiteral("frmPerks"), region.langKey, QString()) +
                            QLatin1Char(' ') + text;
    }
    return caption;
}

QString TeacherLookup::Picture(const QString& dataFile, const QList<MapSource>& maps)
{
    QString picture = dataFile;
    picture.replace(QLatin1String("data"), QLatin1String("jpg"));
    if (FileSystem::FileExists(picture))
        return picture;
    for (const MapSource& map : maps) {
        if (map.dataFile == dataFile)
            return map.picture;
    }
    const QString fileName = QFileInfo(dataFile).fileName();
    for (const MapSource& map : maps) {
        if (QFileInfo(map.dataFile).fileName() == fileName)
            return map.picture;
    }
    return picture;
}
