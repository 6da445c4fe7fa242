#pragma once
// What a player has found, per profile (one per character): an SQLite file in the per-user data
// folder. Every mark is its own transaction, so a mark that was reported done survives a crash.
// A store that cannot be opened or is damaged never stops the program: a damaged file is kept
// aside under a dated name and a new store starts; a store that cannot be written at all is
// replaced by one in memory for this run. openProblem() says which happened.
#include "modules/EntityId.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

struct FoundMark
{
    EntityId entity;
    QString marked; // when it was marked, ISO 8601 UTC; empty when unknown
};

class ProgressStore
{
public:
    static constexpr int kSchemaVersion = 2;

    enum class OpenProblem {
        None,
        KeptAside,  // the file was damaged: moved to keptAsideAs(), a new store started
        NotWritable // the file or folder cannot be used: marks last until the program ends
    };
    enum class ImportMode { Merge, Replace };

    // Opens (or creates) the store file; never fails, see openProblem().
    explicit ProgressStore(const QString& file);
    ~ProgressStore();
    ProgressStore(const ProgressStore&) = delete;
    ProgressStore& operator=(const ProgressStore&) = delete;

    // Default file: UserFiles::DataDir() + "/progress.sqlite".
    static QString DefaultFile();

    const QString& file() const { return m_file; }
    bool isPersistent() const { return m_persistent; }
    OpenProblem openProblem() const { return m_problem; }
    const QString& keptAsideAs() const { return m_keptAside; }
    // What went wrong last (SQLite's words or a check's), for messages.
    const QString& lastError() const { return m_error; }

    // Profiles, sorted by name; there is always at least one.
    QStringList profiles() const;
    const QString& currentProfile() const { return m_profile; }
    // Switches to the profile, creating it when missing; it stays current at the next start.
    bool switchProfile(const QString& name);
    bool createProfile(const QString& name);
    bool renameProfile(const QString& from, const QString& to);
    // The last profile cannot be deleted; deleting the current one switches to the first other.
    bool deleteProfile(const QString& name);
    // A name a profile may have: not empty after trimming, at most 80 characters.
    static bool isValidName(const QString& name);

    // One transaction; true once it is committed (or nothing had to change).
    bool setFound(const EntityId& entity, bool found);
    bool isFound(const EntityId& entity) const { return m_found.contains(keyOf(entity)); }
    // The current profile's marks, by map and name.
    QList<FoundMark> marks() const;
    qsizetype foundCount() const { return m_found.size(); }
    // Takes in what another window committed since the last look (cheap when nothing did).
    void refresh();

    // The current profile as the documented JSON file, written atomically.
    bool exportTo(const QString& file);
    // Reads such a file into the current profile; the file is checked whole before anything
    // changes, and all of it goes in one transaction.
    bool importFrom(const QString& file, ImportMode mode);

private:
    bool openFile();
    void openInMemory();
    bool prepare();
    bool migrate();
    bool exec(const QString& sql);
    bool fail(const QString& what);
    void loadProfile(const QString& wanted);
    void reload();
    qint64 profileId(const QString& name) const;
    qint64 dataVersion() const;
    static QString keyOf(const EntityId& entity) { return entity.mapId + u'\n' + entity.name; }

    QString m_file;
    QString m_connection;
    bool m_persistent = false;
    OpenProblem m_problem = OpenProblem::None;
    QString m_keptAside;
    QString m_error;
    QString m_profile;
    qint64 m_profileId = -1;
    qint64 m_dataVersion = -1;
    QSet<QString> m_found;
};
