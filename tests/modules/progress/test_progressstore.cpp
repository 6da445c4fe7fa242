// The progress store: marks and profiles survive a restart, two windows see each other's
// marks, the exchange file goes there and back, and damaged, outdated or newer stores are
// handled without losing anything.
#include "modules/progress/ProgressFile.h"
#include "modules/progress/ProgressStore.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

const EntityId kChest{"caldora", "Truhe am Turm"};
const EntityId kCave{"caldora", "Wolfshöhle"};
const EntityId kSameNameElsewhere{"qasira", "Wolfshöhle"};

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// Runs statements on a store file through a connection of its own.
QVariant sql(const QString& file, const QStringList& statements)
{
    QVariant last;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "raw");
        db.setDatabaseName(file);
        if (!db.open())
            return QVariant();
        QSqlQuery q(db);
        for (const QString& s : statements)
            if (q.exec(s) && q.next())
                last = q.value(0);
    }
    QSqlDatabase::removeDatabase("raw");
    return last;
}

} // namespace

class TestProgressStore : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_n = 0;
    QString freshFile() { return m_dir.filePath(QStringLiteral("s%1/progress.sqlite").arg(++m_n)); }

private slots:
    void marksAndProfilesSurviveRestart()
    {
        const QString file = freshFile();
        {
            ProgressStore store(file);
            QCOMPARE(store.openProblem(), ProgressStore::OpenProblem::None);
            QVERIFY(store.isPersistent());
            QCOMPARE(store.profiles(), QStringList{"Standard"});
            QVERIFY(store.setFound(kChest, true));
            QVERIFY(store.setFound(kCave, true));
            QVERIFY(store.setFound(kCave, true)); // twice is once
            QVERIFY(store.switchProfile("Aldric"));
            QVERIFY(store.setFound(kSameNameElsewhere, true));
        }
        // WAL journal on the file, as a second program sees it.
        QCOMPARE(sql(file, {"PRAGMA journal_mode"}).toString(), QString("wal"));
        ProgressStore store(file);
        QCOMPARE(store.currentProfile(), QString("Aldric"));
        QVERIFY(store.isFound(kSameNameElsewhere));
        QVERIFY(!store.isFound(kCave)); // the same name on another map is another entity
        QVERIFY(store.switchProfile("Standard"));
        QVERIFY(store.isFound(kChest) && store.isFound(kCave));
        QCOMPARE(store.foundCount(), 2);
        QVERIFY(store.setFound(kChest, false));
        ProgressStore again(file);
        QCOMPARE(again.currentProfile(), QString("Standard"));
        QVERIFY(!again.isFound(kChest));
        QVERIFY(again.isFound(kCave));
        QCOMPARE(again.marks().size(), 1);
        QVERIFY(!again.marks().first().marked.isEmpty());
    }

    void profilesAreKeptApart()
    {
        ProgressStore store(freshFile());
        QVERIFY(store.setFound(kChest, true));
        QVERIFY(store.createProfile("Brynja"));
        QVERIFY(!store.createProfile("Brynja"));
        QVERIFY(!store.createProfile("   "));
        QVERIFY(!store.createProfile(QString(81, u'x')));
        QVERIFY(!store.renameProfile("Brynja", "Standard"));
        QVERIFY(!store.renameProfile("Nobody", "Other"));
        // Renaming the current profile keeps its marks and keeps it current.
        QVERIFY(store.renameProfile("Standard", "Aldric"));
        QCOMPARE(store.currentProfile(), QString("Aldric"));
        QVERIFY(store.isFound(kChest));
        QCOMPARE(store.profiles(), (QStringList{"Aldric", "Brynja"}));
        QVERIFY(store.switchProfile("Brynja"));
        QVERIFY(!store.isFound(kChest));
        // Deleting the current profile takes its marks and switches to the other one.
        QVERIFY(store.setFound(kCave, true));
        QVERIFY(store.deleteProfile("Brynja"));
        QCOMPARE(store.currentProfile(), QString("Aldric"));
        QVERIFY(!store.isFound(kCave));
        QVERIFY(!store.deleteProfile("Aldric"));
        QVERIFY(!store.lastError().isEmpty());
        QVERIFY(store.switchProfile("Brynja")); // created again, empty
        QVERIFY(!store.isFound(kCave));
    }

    void twoWindowsSeeEachOthersMarks()
    {
        const QString file = freshFile();
        ProgressStore first(file);
        ProgressStore second(file);
        QVERIFY(first.setFound(kChest, true));
        QVERIFY(!second.isFound(kChest));
        second.refresh();
        QVERIFY(second.isFound(kChest));
        QVERIFY(second.setFound(kChest, false));
        first.refresh();
        QVERIFY(!first.isFound(kChest));
        // A profile deleted over there leaves this window on a profile that exists.
        QVERIFY(first.switchProfile("Gone"));
        QVERIFY(second.deleteProfile("Gone"));
        first.refresh();
        QCOMPARE(first.currentProfile(), QString("Standard"));
    }

    void exchangeFileRoundTrip()
    {
        const QString exported = m_dir.filePath("aldric.json");
        ProgressStore source(freshFile());
        QVERIFY(source.switchProfile("Aldric"));
        QVERIFY(source.setFound(kChest, true));
        QVERIFY(source.setFound(kSameNameElsewhere, true));
        QVERIFY(source.exportTo(exported));
        const QByteArray json = readAll(exported);
        QVERIFY(json.contains("\"format\": \"karvenna-progress\""));
        QVERIFY(json.contains("\"profile\": \"Aldric\""));

        ProgressStore target(freshFile());
        QVERIFY(target.setFound(kCave, true));
        QVERIFY(target.importFrom(exported, ProgressStore::ImportMode::Merge));
        QVERIFY(target.isFound(kChest) && target.isFound(kSameNameElsewhere) && target.isFound(kCave));
        QVERIFY(target.importFrom(exported, ProgressStore::ImportMode::Replace));
        QVERIFY(target.isFound(kChest) && target.isFound(kSameNameElsewhere));
        QVERIFY(!target.isFound(kCave));
        // The marks' dates travel with them.
        QCOMPARE(target.marks().first().marked, source.marks().first().marked);
    }

    void badExchangeFilesChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("why");
        QTest::newRow("not json") << QByteArray("found: everything") << "not a JSON object";
        QTest::newRow("other json") << QByteArray(R"({"found": []})") << "not a Karvenna progress file";
        QTest::newRow("newer") << QByteArray(R"({"format":"karvenna-progress","version":9,"found":[]})")
                               << "version 9";
        QTest::newRow("no name")
            << QByteArray(R"({"format":"karvenna-progress","version":1,"found":[{"map":"caldora","name":"A"},{"map":"caldora"}]})")
            << "entry 2";
        QTest::newRow("found not a list")
            << QByteArray(R"({"format":"karvenna-progress","version":1,"found":{}})") << "not a list";
    }

    void badExchangeFilesChangeNothing()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, why);
        const QString file = m_dir.filePath("bad.json");
        writeAll(file, content);
        ProgressStore store(freshFile());
        QVERIFY(store.setFound(kCave, true));
        QVERIFY(!store.importFrom(file, ProgressStore::ImportMode::Replace));
        QVERIFY2(store.lastError().contains(why), qPrintable(store.lastError()));
        QVERIFY(store.isFound(kCave));
        QCOMPARE(store.foundCount(), 1);
        QVERIFY(!store.importFrom(m_dir.filePath("missing.json"), ProgressStore::ImportMode::Merge));
    }

    void damagedStoreIsKeptAside()
    {
        const QString file = freshFile();
        QDir().mkpath(QFileInfo(file).absolutePath());
        const QByteArray garbage = QByteArray("this was a store once\n").repeated(300);
        writeAll(file, garbage);
        {
            ProgressStore store(file);
            QCOMPARE(store.openProblem(), ProgressStore::OpenProblem::KeptAside);
            QVERIFY(store.isPersistent());
            QVERIFY(store.keptAsideAs().contains(".damaged-"));
            QCOMPARE(readAll(store.keptAsideAs()), garbage);
            QVERIFY(store.setFound(kChest, true));
        }
        ProgressStore store(file);
        QCOMPARE(store.openProblem(), ProgressStore::OpenProblem::None);
        QVERIFY(store.isFound(kChest));
        QCOMPARE(QDir(QFileInfo(file).absolutePath()).entryList({"*.damaged-*"}).size(), 1);
    }

    void olderSchemaIsMigrated()
    {
        const QString file = freshFile();
        QDir().mkpath(QFileInfo(file).absolutePath());
        // A store as the first schema wrote it: no dates, no remembered profile.
        sql(file, {"CREATE TABLE profiles(id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE)",
                   "CREATE TABLE marks(profile INTEGER NOT NULL REFERENCES profiles(id) ON DELETE CASCADE,"
                   " map TEXT NOT NULL, name TEXT NOT NULL, PRIMARY KEY(profile, map, name)) WITHOUT ROWID",
                   "INSERT INTO profiles(id, name) VALUES(1, 'Aldric')",
                   "INSERT INTO marks(profile, map, name) VALUES(1, 'caldora', 'Wolfshöhle')",
                   "PRAGMA user_version=1"});
        {
            ProgressStore store(file);
            QCOMPARE(store.openProblem(), ProgressStore::OpenProblem::None);
            QCOMPARE(store.currentProfile(), QString("Aldric"));
            QVERIFY(store.isFound(kCave));
            QVERIFY(store.setFound(kChest, true));
        }
        QCOMPARE(sql(file, {"PRAGMA user_version"}).toInt(), ProgressStore::kSchemaVersion);
    }

    void newerStoreIsLeftAlone()
    {
        const QString file = freshFile();
        QDir().mkpath(QFileInfo(file).absolutePath());
        sql(file, {"CREATE TABLE future(x)", "PRAGMA user_version=99"});
        const QByteArray before = readAll(file);
        {
            ProgressStore store(file);
            QCOMPARE(store.openProblem(), ProgressStore::OpenProblem::NotWritable);
            QVERIFY(!store.isPersistent());
            QVERIFY(store.lastError().contains("newer"));
            QVERIFY(store.setFound(kChest, true)); // for this run
            QVERIFY(store.isFound(kChest));
        }
        QCOMPARE(readAll(file), before);
        QCOMPARE(QDir(QFileInfo(file).absolutePath()).entryList({"*.damaged-*"}).size(), 0);
    }

    void unusableFolderRunsInMemory()
    {
        // A regular file where the folder should be: nothing can be created below it.
        const QString blocker = m_dir.filePath("blocker");
        writeAll(blocker, "x");
        ProgressStore store(blocker + "/progress.sqlite");
        QCOMPARE(store.openProblem(), ProgressStore::OpenProblem::NotWritable);
        QVERIFY(store.setFound(kChest, true));
        QVERIFY(store.isFound(kChest));
        QCOMPARE(store.profiles(), QStringList{"Standard"});
    }
};

QTEST_GUILESS_MAIN(TestProgressStore)
#include "test_progressstore.moc"
