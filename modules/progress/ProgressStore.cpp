#include "modules/progress/ProgressStore.h"

#include "modules/UserFiles.h"
#include "modules/progress/ProgressFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>
#include <atomic>
#include <iterator>

namespace {

constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;
constexpr int kMaxNameLength = 80;

QString defaultProfileName() { return QStringLiteral("Standard"); }

QString nowUtc() { return QDateTime::currentDateTimeUtc().toString(Qt::ISODate); }

QString uniqueConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("karvenna-progress-%1").arg(++counter);
}

// Schema steps: step i takes a store of version i to version i + 1, in one transaction.
const char* const kMigrations[][3] = {
    {"CREATE TABLE profiles(id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE)",
     "CREATE TABLE marks(profile INTEGER NOT NULL REFERENCES profiles(id) ON DELETE CASCADE,"
     " map TEXT NOT NULL, name TEXT NOT NULL, PRIMARY KEY(profile, map, name)) WITHOUT ROWID",
     nullptr},
    // When a mark was made, and the profile that was in use last.
    {"ALTER TABLE marks ADD COLUMN marked TEXT",
     "CREATE TABLE settings(key TEXT PRIMARY KEY, value TEXT)", nullptr},
};
static_assert(std::size(kMigrations) == ProgressStore::kSchemaVersion);

// The file beside the store that a damaged one is moved to: "progress.damaged-<date>.sqlite".
QString datedName(const QString& file)
{
    const QFileInfo info(file);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString candidate;
    for (int n = 1;; ++n) {
        candidate = info.absolutePath() + u'/' + info.completeBaseName() + QStringLiteral(".damaged-")
                    + stamp + (n > 1 ? QStringLiteral("-%1").arg(n) : QString()) + u'.' + info.suffix();
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
}

} // namespace

ProgressStore::ProgressStore(const QString& file) : m_file(file)
{
    if (!openFile()) {
        openInMemory();
        m_problem = OpenProblem::NotWritable;
    }
    QSqlQuery settings(QSqlDatabase::database(m_connection));
    QString wanted;
    if (settings.exec(QStringLiteral("SELECT value FROM settings WHERE key = 'profile'")) && settings.next())
        wanted = settings.value(0).toString();
    settings.finish();
    loadProfile(wanted);
}

ProgressStore::~ProgressStore()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

QString ProgressStore::DefaultFile() { return UserFiles::DataDir() + QStringLiteral("/progress.sqlite"); }

bool ProgressStore::fail(const QString& what)
{
    m_error = what;
    return false;
}

bool ProgressStore::exec(const QString& sql)
{
    QSqlQuery q(QSqlDatabase::database(m_connection));
    return q.exec(sql) || fail(q.lastError().text());
}

// Opens m_file; a damaged file is moved aside once and a new one started. False when the
// store cannot be used at all.
bool ProgressStore::openFile()
{
    if (!QDir().mkpath(QFileInfo(m_file).absolutePath()))
        return fail(QStringLiteral("the folder cannot be created"));
    for (int attempt = 0; attempt < 2; ++attempt) {
        m_connection = uniqueConnectionName();
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        db.setDatabaseName(m_file);
        bool damaged = false;
        if (db.open()) {
            QSqlQuery check(db);
            if (!check.exec(QStringLiteral("PRAGMA quick_check"))) {
                const int code = check.lastError().nativeErrorCode().toInt() & 0xff;
                damaged = code == kSqliteCorrupt || code == kSqliteNotADatabase;
                m_error = check.lastError().text();
            } else if (check.next() && check.value(0).toString() != QLatin1String("ok")) {
                damaged = true;
                m_error = check.value(0).toString();
            } else {
                check.finish();
                m_persistent = true;
                if (prepare())
                    return true;
                m_persistent = false;
            }
        } else {
            m_error = db.lastError().text();
        }
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connection);
        if (!damaged || attempt > 0)
            return false;
        // Kept, never deleted: the player may still get something out of it.
        const QString aside = datedName(m_file);
        if (!QFile::rename(m_file, aside))
            return fail(QStringLiteral("the damaged store cannot be moved aside"));
        for (const char* companion : {"-wal", "-shm"})
            if (QFileInfo::exists(m_file + QLatin1String(companion)))
                QFile::rename(m_file + QLatin1String(companion), aside + QLatin1String(companion));
        m_keptAside = aside;
        m_problem = OpenProblem::KeptAside;
    }
    return false;
}

void ProgressStore::openInMemory()
{
    const QString error = m_error;
    m_connection = uniqueConnectionName();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
    db.setDatabaseName(QStringLiteral(":memory:"));
    db.open();
    m_persistent = false;
    prepare();
    // What the file holds is still shown when it can be read: opened as it is, never written.
    if (QFileInfo(m_file).isReadable() && m_problem != OpenProblem::KeptAside) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("ATTACH DATABASE ? AS old"));
        q.addBindValue(QUrl::fromLocalFile(m_file).toString(QUrl::FullyEncoded) + QStringLiteral("?immutable=1"));
        if (q.exec() && q.exec(QStringLiteral("PRAGMA old.user_version")) && q.next()
            && q.value(0).toInt() == kSchemaVersion) {
            exec(QStringLiteral("INSERT OR IGNORE INTO profiles SELECT * FROM old.profiles"));
            exec(QStringLiteral("INSERT OR IGNORE INTO marks SELECT * FROM old.marks"));
            exec(QStringLiteral("INSERT OR REPLACE INTO settings SELECT * FROM old.settings"));
        }
        q.finish();
        exec(QStringLiteral("DETACH DATABASE old"));
    }
    m_error = error;
}

bool ProgressStore::prepare()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    QSqlQuery q(db);
    // A store of a newer program is not touched at all, not even its journal mode.
    if (q.exec(QStringLiteral("PRAGMA user_version")) && q.next() && q.value(0).toInt() > kSchemaVersion)
        return fail(QStringLiteral("the store was written by a newer Karvenna (schema %1)").arg(q.value(0).toInt()));
    q.finish();
    if (m_persistent) {
        // WAL: a mark is one append to the log; readers in another window never block it.
        if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !q.next()
            || q.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0)
            return fail(q.lastError().isValid() ? q.lastError().text() : QStringLiteral("no WAL journal"));
        q.finish(); // a statement left open would keep the migrations from committing
        // A process that dies keeps every committed mark; only a power cut may cost the last ones.
        exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    }
    exec(QStringLiteral("PRAGMA busy_timeout=5000"));
    exec(QStringLiteral("PRAGMA foreign_keys=ON"));
    return migrate();
}

bool ProgressStore::migrate()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return fail(q.lastError().text());
    int version = q.value(0).toInt();
    q.finish();
    for (; version < kSchemaVersion; ++version) {
        if (!db.transaction())
            return fail(db.lastError().text());
        bool ok = true;
        for (const char* sql : kMigrations[version])
            if (sql && ok)
                ok = exec(QString::fromLatin1(sql));
        ok = ok && exec(QStringLiteral("PRAGMA user_version=%1").arg(version + 1));
        if (!ok || !db.commit()) {
            if (ok)
                m_error = db.lastError().text();
            db.rollback();
            return false;
        }
    }
    return true;
}

bool ProgressStore::isValidName(const QString& name)
{
    const QString trimmed = name.trimmed();
    return !trimmed.isEmpty() && trimmed.size() <= kMaxNameLength;
}

QStringList ProgressStore::profiles() const
{
    QStringList names;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    if (q.exec(QStringLiteral("SELECT name FROM profiles ORDER BY name COLLATE NOCASE, name")))
        while (q.next())
            names.append(q.value(0).toString());
    return names;
}

qint64 ProgressStore::profileId(const QString& name) const
{
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("SELECT id FROM profiles WHERE name = ?"));
    q.addBindValue(name);
    return q.exec() && q.next() ? q.value(0).toLongLong() : -1;
}

bool ProgressStore::createProfile(const QString& name)
{
    if (!isValidName(name))
        return fail(QStringLiteral("a profile needs a name of 1 to %1 characters").arg(kMaxNameLength));
    if (profileId(name.trimmed()) >= 0)
        return fail(QStringLiteral("a profile of that name exists"));
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("INSERT INTO profiles(name) VALUES(?)"));
    q.addBindValue(name.trimmed());
    return q.exec() || fail(q.lastError().text());
}

void ProgressStore::loadProfile(const QString& wanted)
{
    if (profiles().isEmpty())
        createProfile(defaultProfileName());
    const QStringList names = profiles();
    m_profile = names.contains(wanted) ? wanted : names.value(0);
    m_profileId = profileId(m_profile);
    reload();
}

bool ProgressStore::switchProfile(const QString& name)
{
    const QString trimmed = name.trimmed();
    if (profileId(trimmed) < 0 && !createProfile(trimmed))
        return false;
    loadProfile(trimmed);
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO settings(key, value) VALUES('profile', ?)"));
    q.addBindValue(m_profile);
    return q.exec() || fail(q.lastError().text());
}

bool ProgressStore::renameProfile(const QString& from, const QString& to)
{
    const qint64 id = profileId(from);
    if (id < 0)
        return fail(QStringLiteral("no such profile"));
    if (!isValidName(to))
        return fail(QStringLiteral("a profile needs a name of 1 to %1 characters").arg(kMaxNameLength));
    if (profileId(to.trimmed()) >= 0)
        return fail(QStringLiteral("a profile of that name exists"));
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("UPDATE profiles SET name = ? WHERE id = ?"));
    q.addBindValue(to.trimmed());
    q.addBindValue(id);
    if (!q.exec())
        return fail(q.lastError().text());
    if (id == m_profileId)
        return switchProfile(to.trimmed());
    return true;
}

bool ProgressStore::deleteProfile(const QString& name)
{
    const qint64 id = profileId(name);
    if (id < 0)
        return fail(QStringLiteral("no such profile"));
    if (profiles().size() < 2)
        return fail(QStringLiteral("the last profile cannot be deleted"));
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    QSqlQuery q(db);
    db.transaction();
    q.prepare(QStringLiteral("DELETE FROM marks WHERE profile = ?"));
    q.addBindValue(id);
    bool ok = q.exec();
    q.prepare(QStringLiteral("DELETE FROM profiles WHERE id = ?"));
    q.addBindValue(id);
    ok = ok && q.exec();
    if (!ok || !db.commit()) {
        const QString error = q.lastError().text();
        db.rollback();
        return fail(error);
    }
    if (id == m_profileId)
        return switchProfile(profiles().value(0));
    return true;
}

bool ProgressStore::setFound(const EntityId& entity, bool found)
{
    if (entity.isNull() || m_profileId < 0)
        return fail(QStringLiteral("no entity"));
    if (isFound(entity) == found)
        return true;
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    if (!db.transaction())
        return fail(db.lastError().text());
    QSqlQuery q(db);
    if (found) {
        q.prepare(QStringLiteral("INSERT OR REPLACE INTO marks(profile, map, name, marked) VALUES(?, ?, ?, ?)"));
        q.addBindValue(m_profileId);
        q.addBindValue(entity.mapId);
        q.addBindValue(entity.name);
        q.addBindValue(nowUtc());
    } else {
        q.prepare(QStringLiteral("DELETE FROM marks WHERE profile = ? AND map = ? AND name = ?"));
        q.addBindValue(m_profileId);
        q.addBindValue(entity.mapId);
        q.addBindValue(entity.name);
    }
    if (!q.exec()) {
        const QString error = q.lastError().text();
        db.rollback();
        return fail(error);
    }
    if (!db.commit()) {
        const QString error = db.lastError().text();
        db.rollback();
        return fail(error);
    }
    if (found)
        m_found.insert(keyOf(entity));
    else
        m_found.remove(keyOf(entity));
    return true;
}

QList<FoundMark> ProgressStore::marks() const
{
    QList<FoundMark> result;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("SELECT map, name, marked FROM marks WHERE profile = ? ORDER BY map, name"));
    q.addBindValue(m_profileId);
    if (q.exec())
        while (q.next())
            result.append({{q.value(0).toString(), q.value(1).toString()}, q.value(2).toString()});
    return result;
}

qint64 ProgressStore::dataVersion() const
{
    QSqlQuery q(QSqlDatabase::database(m_connection));
    return q.exec(QStringLiteral("PRAGMA data_version")) && q.next() ? q.value(0).toLongLong() : -1;
}

void ProgressStore::reload()
{
    m_found.clear();
    for (const FoundMark& m : marks())
        m_found.insert(keyOf(m.entity));
    m_dataVersion = dataVersion();
}

void ProgressStore::refresh()
{
    // data_version changes only when another connection has committed.
    const qint64 now = dataVersion();
    if (now == m_dataVersion)
        return;
    // The profile may have been renamed or deleted over there.
    if (profileId(m_profile) != m_profileId)
        loadProfile(m_profile);
    else
        reload();
}

bool ProgressStore::exportTo(const QString& file)
{
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return fail(out.errorString());
    out.write(ProgressFile::ToJson(m_profile, marks()));
    return out.commit() || fail(out.errorString());
}

bool ProgressStore::importFrom(const QString& file, ImportMode mode)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return fail(in.errorString());
    if (in.size() > ProgressFile::kMaxBytes)
        return fail(QStringLiteral("the file is larger than %1 MB").arg(ProgressFile::kMaxBytes >> 20));
    QString error;
    const std::optional<QList<FoundMark>> marks = ProgressFile::FromJson(in.readAll(), &error);
    if (!marks)
        return fail(error);

    QSqlDatabase db = QSqlDatabase::database(m_connection);
    if (!db.transaction())
        return fail(db.lastError().text());
    QSqlQuery q(db);
    bool ok = true;
    if (mode == ImportMode::Replace) {
        q.prepare(QStringLiteral("DELETE FROM marks WHERE profile = ?"));
        q.addBindValue(m_profileId);
        ok = q.exec();
    }
    // A mark kept here keeps its own date; a new one brings the file's.
    q.prepare(QStringLiteral("INSERT OR IGNORE INTO marks(profile, map, name, marked) VALUES(?, ?, ?, ?)"));
    for (const FoundMark& m : *marks) {
        if (!ok)
            break;
        q.bindValue(0, m_profileId);
        q.bindValue(1, m.entity.mapId);
        q.bindValue(2, m.entity.name);
        q.bindValue(3, m.marked.isEmpty() ? nowUtc() : m.marked);
        ok = q.exec();
    }
    if (!ok || !db.commit()) {
        const QString why = q.lastError().isValid() ? q.lastError().text() : db.lastError().text();
        db.rollback();
        return fail(why);
    }
    reload();
    return true;
}
