#include "modules/installation/Installation.h"

#include "modules/FileSystem.h"
#include "modules/IniOps.h"
#include "modules/UserFiles.h"

#include <QDir>
#include <QUrl>

namespace {

const QString kLastInstallation = QStringLiteral("installation/last");

// One key per installation: its path, with "/" and the like escaped, under [language].
QString languageKey(const QString& folder)
{
    return QStringLiteral("language/") + QString::fromLatin1(QUrl::toPercentEncoding(
                                              QDir::cleanPath(QDir(folder).absolutePath())));
}

} // namespace

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
            // Found as Windows would find them: "Caldora.data" is the data file of caldora.
        m_maps[size_t(i)] = {id, FileSystem::FindFile(path(id + QStringLiteral(".jpg"))),
                             FileSystem::FindFile(path(id + QStringLiteral(".data")))};
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

StartupSettings Installation::readSettings(const UserConfig* user) const
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
    if (user && !IniOps::CanWrite(m_settingsFile))
        if (const std::optional<QString> kept = LanguageChoice::Kept(m_folder, *user))
            s.languageStem = kept->trimmed();
    s.substituteLanguage = read("general", "SubstLang", "English").trimmed();
    if (s.substituteLanguage.compare(QLatin1String("deutsch"), Qt::CaseInsensitive) == 0)
        s.substituteLanguage = QStringLiteral("English");
    s.noExtras = isYes("NoExtras");
    s.noLang = isYes("NoLang");
    s.localizedString = read("special", "LocalizedString", "").trimmed();
    return s;
}

QString LanguageChoice::FileFor(const QString& settingsFile, const UserConfig& user)
{
    return IniOps::CanWrite(settingsFile) ? FileSystem::FindFile(settingsFile) : user.file();
}

std::optional<QString> LanguageChoice::Kept(const QString& folder, const UserConfig& user)
{
    const QVariant value = user.value(languageKey(folder));
    if (!value.isValid())
        return std::nullopt;
    return value.toString();
}

void LanguageChoice::store(const QString& stem)
{
    if (!IniOps::WriteIni(m_settingsFile, QStringLiteral("general"), QStringLiteral("language"), stem))
        m_user.setValue(languageKey(m_folder), stem);
}

QString ChooseInstallation(const QString& given, const UserConfig& user, const QString& programFolder)
{
    if (!given.isEmpty())
        return given;
    const QString last = user.value(kLastInstallation).toString();
    if (!last.isEmpty() && QDir(last).exists() && Installation(last).firstMissingFile().isEmpty())
        return last;
    const QString installed = QDir::cleanPath(programFolder + QStringLiteral("/../share/karvenna/sample"));
    const QString staged = QDir::cleanPath(programFolder + QStringLiteral("/sample"));
    if (!QDir(installed).exists() && QDir(staged).exists())
        return staged;
    return installed;
}

void RememberInstallation(const QString& folder, UserConfig& user)
{
    user.setValue(kLastInstallation, QDir::cleanPath(QDir(folder).absolutePath()));
}
