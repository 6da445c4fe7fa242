#include "modules/installation/Installation.h"

#include "modules/FileSystem.h"
#include "modules/IniOps.h"

const QStringList& Installation::MapIds()
{
    static const QStringList ids{QStringLiteral("caldora"), QStringLiteral("frostmere"),
                                 QStringLiteral("qasira"), QStringLiteral("urkesh"),
                                 QStringLiteral("ancestors")};
    Q_ASSERT(ids.size() == MapCount);
    return ids;
}

Installation::Installation(const QString& folder)
    : m_folder(folder),
      m_settingsFile(path(QStringLiteral("karvenna.ini"))),
      m_infoFile(path(QStringLiteral("info.data")))
{
    for (int i = 0; i < MapCount; ++i) {
        const QString& id = MapIds()[i];
        m_maps[size_t(i)] = {id, path(id + QStringLiteral(".jpg")), path(id + QStringLiteral(".data"))};
    }
}

const MapFiles* Installation::mapById(QStringView id) const
{
    for (const MapFiles& map : m_maps)
        if (map.id == id)
            return &map;
    return nullptr;
}

QString Installation::firstMissingFile() const
{
    for (const MapFiles& map : m_maps)
        if (!FileSystem::FileExists(map.dataFile))
            return map.dataFile;
    for (const MapFiles& map : m_maps)
        if (!FileSystem::FileExists(map.picture))
            return map.picture;
    return {};
}

QString Installation::setting(const QString& section, const QString& key, const QString& fallback) const
{
    return IniOps::ReadIni(m_settingsFile, section, key, fallback);
}

StartupSettings Installation::readSettings() const
{
    const auto read = [this](const char* section, const char* key, const char* fallback) {
        return setting(QString::fromLatin1(section), QString::fromLatin1(key), QString::fromLatin1(fallback));
    };
    const auto isYes = [&](const char* key) {
        return read("special", key, "no").trimmed().toLower() == QLatin1String("yes");
    };
    StartupSettings s;
    s.extrasFolder = read("folders", "extras", "EXTRAS");
    s.picsFolder = read("folders", "pics", "PICS");
    s.langFolder = read("folders", "lang", "LANG");
    s.languageStem = read("general", "language", "").trimmed();
    s.substituteLanguage = read("general", "SubstLang", "English").trimmed();
    if (s.substituteLanguage.compare(QLatin1String("deutsch"), Qt::CaseInsensitive) == 0)
        s.substituteLanguage = QStringLiteral("English");
    s.noExtras = isYes("NoExtras");
    s.noLang = isYes("NoLang");
    s.localizedString = read("special", "LocalizedString", "").trimmed();
    return s;
}
