#pragma once
// An installation folder as the program reads it: the settings file and what start-up takes
// from it, the description file and the five maps with their pictures and data files. The
// map list is declared here once; the window, the installation check and the tests use it.
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <optional>

class UserConfig;

struct MapFiles
{
    QString id;       // caldora, frostmere, qasira, urkesh, ancestors
    QString picture;  // folder + "/caldora.jpg"
    QString dataFile; // folder + "/caldora.data"
};

// The settings keys start-up reads, with their defaults applied.
struct StartupSettings
{
    QString extrasFolder;       // "folders"/"extras", "EXTRAS"
    QString picsFolder;         // "folders"/"pics", "PICS"
    QString langFolder;         // "folders"/"lang", "LANG"
    QString languageStem;       // "general"/"language", trimmed; empty means German
    QString substituteLanguage; // "general"/"SubstLang", trimmed; "deutsch" becomes "English"
    bool noExtras = false;      // "special"/"NoExtras" is "yes" (trimmed, any case)
    bool noLang = false;        // "special"/"NoLang" is "yes"
    QString localizedString;    // "special"/"LocalizedString", trimmed
};

class Installation
{
public:
    static constexpr int MapCount = 5;
    // The map ids in menu and start-up check order.
    static const QStringList& MapIds();

    Installation() = default;
    // folder is used as given, without a trailing "/"; every path is folder + "/" + name.
    explicit Installation(const QString& folder);

    const QString& folder() const { return m_folder; }
    QString path(const QString& name) const { return m_folder + u'/' + name; }
    const QString& settingsFile() const { return m_settingsFile; }
    const QString& infoFile() const { return m_infoFile; }
    const std::array<MapFiles, MapCount>& maps() const { return m_maps; }
    // Null for an id that is none of the five.
    const MapFiles* mapById(QStringView id) const;

    // The first data file or picture that is missing or empty, data files first, in map
    // order; empty when all are there. The description file is not required.
    QString firstMissingFile() const;

    // Reads the settings file now (the language dialog may have written it since). With the
    // user's configuration, a settings file that cannot be written gives way to the language
    // this user chose for this installation.
    StartupSettings readSettings(const UserConfig* user = nullptr) const;
    // One value of the settings file, ReadIni's rules.
    QString setting(const QString& section, const QString& key, const QString& fallback) const;

private:
    QString m_folder;
    QString m_settingsFile;
    QString m_infoFile;
    std::array<MapFiles, MapCount> m_maps;
};

// Where one person's language choice for one installation is kept: the settings file, as the
// program always wrote it, or, when that cannot be written (a read-only or system-wide
// installation), the user's configuration under the installation's path.
class LanguageChoice
{
public:
    LanguageChoice(const QString& folder, const QString& settingsFile, UserConfig& user)
        : m_folder(folder), m_settingsFile(settingsFile), m_user(user)
    {
    }

    // The file that a choice goes to now.
    static QString FileFor(const QString& settingsFile, const UserConfig& user);
    // The stem kept for folder in the user's configuration, if any.
    static std::optional<QString> Kept(const QString& folder, const UserConfig& user);

    QString file() const { return FileFor(m_settingsFile, m_user); }
    // Writes "general"/"language" of the settings file, or keeps stem for this user.
    void store(const QString& stem);

private:
    QString m_folder;
    QString m_settingsFile;
    UserConfig& m_user;
};

// Which installation the program opens: the one given on the command line; else the one this
// user opened last, while it is still complete; else the sample installed with the program
// (share/karvenna/sample beside its bin folder, or the sample staged beside it in a build
// folder).
QString ChooseInstallation(const QString& given, const UserConfig& user, const QString& programFolder);
// Remembers folder as the installation opened last.
void RememberInstallation(const QString& folder, UserConfig& user);
