// The program in batch mode over broken installations: no crash, no hang, nothing of the
// installation changed but the language setting, and the check command names the fault.
#include "modules/menu/MenuTable.h"
#include "support/HostileInstallations.h"
#include "support/TestInstall.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <future>

namespace {

constexpr int kRunLimitMs = 90000;
constexpr int kCheckLimitMs = 60000;

using Snapshot = QMap<QString, QByteArray>; // relative path -> checksum

QByteArray checksum(const QFileInfo& info)
{
    if (info.isSymLink())
        return "link:" + info.symLinkTarget().toUtf8();
    if (info.isDir())
        return "dir";
    QFile f(info.filePath());
    if (!f.open(QIODevice::ReadOnly))
        return "unreadable:" + QByteArray::number(info.size());
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(&f);
    return hash.result().toHex();
}

Snapshot snapshot(const QString& home)
{
    Snapshot result;
    QDirIterator it(home, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        result.insert(info.filePath().mid(home.size() + 1), checksum(info));
    }
    return result;
}

// The settings file without its language value and the header above it, which a run may
// change or add; lines end at CR, LF or both, as the reader takes them.
QByteArrayList settingsWithoutLanguage(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = f.readAll();
    bytes.replace("\r\n", "\n").replace('\r', '\n');
    QByteArrayList kept;
    for (const QByteArray& line : bytes.split('\n')) {
        const QByteArray t = line.trimmed().toLower();
        if (!t.startsWith("language") && !t.isEmpty() && t != "[general]")
            kept.append(line.trimmed());
    }
    return kept;
}

// Every category and perk command of the five maps, then searching, hovering and picking, once
// in German and again after switching to English.
QStringList actions()
{
    QStringList args;
    for (const MenuEntry& e : MenuTable::Entries())
        if (e.category || e.kind == MenuKind::Perks)
            args << "--open" << QString::fromLatin1(e.name);
    const QStringList pointer{"--open",      "miCaldoraNPCs", "--pick-index", "1",        "--hover",
                              "ITEM",        "--click",       "btnInfo",      "--open",   "miCaldoraCaves",
                              "--hover",     "DOT:0",         "--hover",      "lblDOT:0", "--dblclick",
                              "DOT:0",       "--find",        "a",            "--find-again",
                              "--find-mode", "descriptions",  "--find",       "e",        "--hover",
                              "ITEM"};
    args << pointer << "--language" << "English" << pointer;
    return args;
}

struct Result
{
    Snapshot before;
    Snapshot after;
    QByteArrayList settingsBefore;
    QByteArrayList settingsAfter;
    BatchResult run;
    int checkExit = -1;
    QByteArray checkOutput;
    QString error;
};

void makeWritable(const QString& home)
{
    QFile::setPermissions(home, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QDirIterator it(home, QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks | QDir::Hidden,
                    QDirIterator::Subdirectories);
    QFile::setPermissions(home + "/LANG/Geheim", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    while (it.hasNext())
        QFile::setPermissions(it.next(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

Result runCase(const Hostile::Case& c, const QString& root)
{
    Result r;
    const QString home = root + "/" + c.name;
    QDir().mkpath(home);
    Hostile::WriteBase(home);
    QFile::remove(home + "/karvenna.ini.tmp");
    c.write(home);
    r.before = snapshot(home);
    r.settingsBefore = settingsWithoutLanguage(home + "/karvenna.ini");

    const QString registry = root + "/" + c.name + ".registry";
    QFile reg(registry);
    if (reg.open(QIODevice::WriteOnly))
        reg.write("[HKEY_CURRENT_USER\\Control Panel\\International]\nsLanguage=deu\n");
    reg.close();
    r.run = RunKarvenna(QStringList{"--home", home, "--batch"} + actions(),
                        {"KARVENNA_REGISTRY=" + registry}, kRunLimitMs);

    QProcess check;
    check.start(QStringLiteral(KARVENNA_BIN), {"--check", "--home", home});
    if (!check.waitForFinished(kCheckLimitMs)) {
        check.kill();
        check.waitForFinished();
        r.checkExit = -2;
    } else {
        r.checkExit = check.exitStatus() == QProcess::NormalExit ? check.exitCode() : -3;
    }
    r.checkOutput = check.readAllStandardOutput();

    r.after = snapshot(home);
    r.settingsAfter = settingsWithoutLanguage(home + "/karvenna.ini");
    makeWritable(home);
    return r;
}

} // namespace

class TestHostile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_root;
    QMap<QString, Result> m_results;

private slots:
    // All installations run up front, two at a time, so the whole test stays short.
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        QVERIFY(Hostile::Cases().size() >= 30);
        const auto& cases = Hostile::Cases();
        std::atomic<int> next{0};
        QMutex lock;
        const auto worker = [&] {
            for (int i = next++; i < cases.size(); i = next++) {
                Result r = runCase(cases[i], m_root.path());
                QMutexLocker locked(&lock);
                m_results.insert(cases[i].name, std::move(r));
            }
        };
        auto a = std::async(std::launch::async, worker);
        auto b = std::async(std::launch::async, worker);
        a.get();
        b.get();
    }

    // The sample installation is what authors copy: the check finds no error in it.
    void sampleHasNoErrors()
    {
        QProcess check;
        check.start(QStringLiteral(KARVENNA_BIN), {"--check", "--home", QStringLiteral(KARVENNA_SAMPLE_DIR)});
        QVERIFY(check.waitForFinished(kCheckLimitMs));
        const QByteArray out = check.readAllStandardOutput();
        QVERIFY2(!out.contains(": error: "), out.left(3000));
        QCOMPARE(check.exitCode(), 0);
    }

    void survives_data()
    {
        QTest::addColumn<QString>("name");
        for (const Hostile::Case& c : Hostile::Cases())
            QTest::newRow(qPrintable(c.name)) << c.name;
    }
    void survives()
    {
        QFETCH(QString, name);
        const Result& r = m_results[name];
        QVERIFY2(r.run.exitCode != -2, "hangs");
        QVERIFY2(r.run.exitCode != -3, "crashes: " + r.run.stdErr.right(2000));
        QVERIFY2(r.run.exitCode == 0, qPrintable(QString("exit %1: %2").arg(r.run.exitCode).arg(QString::fromLocal8Bit(r.run.stdErr.right(3000)))));
        QVERIFY2(!r.run.dump().isEmpty(), "writes no dump");
        const auto& c = *std::find_if(Hostile::Cases().begin(), Hostile::Cases().end(),
                                      [&](const Hostile::Case& h) { return h.name == name; });
        const QJsonArray messages = r.run.dump().value("messages").toArray();
        if (c.outcome == Hostile::Outcome::EndsWithMessage) {
            QVERIFY2(!messages.isEmpty(), "ends without telling why");
            const QString icon = messages.last().toObject().value("icon").toString();
            QVERIFY(icon == "stop" || icon == "critical");
        }
    }

    void installationUnchanged_data() { survives_data(); }
    void installationUnchanged()
    {
        QFETCH(QString, name);
        const Result& r = m_results[name];
        QStringList changed;
        for (auto it = r.before.begin(); it != r.before.end(); ++it)
            if (it.key() != "karvenna.ini" && r.after.value(it.key()) != it.value())
                changed << it.key();
        for (auto it = r.after.begin(); it != r.after.end(); ++it)
            if (!r.before.contains(it.key()) && it.key() != "karvenna.ini")
                changed << "new: " + it.key();
        QVERIFY2(changed.isEmpty(), qPrintable(changed.join(", ")));
        QCOMPARE(r.settingsAfter, r.settingsBefore);
    }

    void checkNamesTheFault_data() { survives_data(); }
    void checkNamesTheFault()
    {
        QFETCH(QString, name);
        const Result& r = m_results[name];
        QVERIFY2(r.checkExit == 0 || r.checkExit == 1, qPrintable(QString("check exit %1").arg(r.checkExit)));
        const auto& c = *std::find_if(Hostile::Cases().begin(), Hostile::Cases().end(),
                                      [&](const Hostile::Case& h) { return h.name == name; });
        if (!c.lintFinding.isEmpty())
            QVERIFY2(r.checkOutput.contains(c.lintFinding.toUtf8()), r.checkOutput.left(3000));
        for (const QByteArray& line : r.checkOutput.split('\n'))
            QVERIFY2(line.isEmpty() || line.contains(": error: ") || line.contains(": warning: ")
                         || line.contains(": info: "),
                     line.left(300));
    }
};

QTEST_GUILESS_MAIN(TestHostile)
#include "test_hostile.moc"
