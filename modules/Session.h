#pragma once
// What the running program knows beyond one window: where it is installed, which language it
// speaks and what was searched. main() owns the one Session and hands it, or the pieces a
// window needs, down by reference.
#include "modules/LOCAL.h"
#include "modules/UserFiles.h"
#include "modules/search/SearchCache.h"

#include <QString>
#include <memory>

class ProgressStore;

class Session
{
public:
    Session();
    ~Session();
    Session(Session&&) noexcept;
    Session& operator=(Session&&) noexcept;

    QString ProgramFolder;      // the installation, without a trailing "/"
    QString SettingsFile;       // ProgramFolder + "/karvenna.ini"
    QString ExtrasFolder = QStringLiteral("EXTRAS");
    QString PicsFolder = QStringLiteral("PICS");
    QString LangFolder = QStringLiteral("LANG");
    QString EditionSuffix;
    QString Revision;           // registry revision, or the build's
    QString InfoButtonToolTip;

    LanguageState language;     // with the entity-name table of the chosen language
    SearchState search;         // lives until the program ends; the dump reports it
    UserConfig userConfig;      // per-user choices (XDG config), never in the installation

    // major.minor.revision + " Final"
    QString VersionText() const;
    // ProgramFolder + "/" + name
    QString InProgramFolder(const QString& name) const;

    // What the player has found: the store in the per-user data folder (or progressFile),
    // opened on first use so that a start that never needs it never waits for it.
    ProgressStore& progress();
    bool progressOpened() const { return m_progress != nullptr; }
    // Closes the store (it opens again on next use); needed before Qt's SQL connections go,
    // for a session that outlives the application object.
    void closeProgress();
    QString progressFile;

private:
    std::unique_ptr<ProgressStore> m_progress;
};
