// The installed program, run by an ordinary user on a read-only installation: the language
// chosen is kept for that user and comes back at the next start, the installation stays
// byte for byte as it was; without --home the program opens the sample installed with it,
// then the installation the person opened last.
#include "support/TestInstall.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include <unistd.h>

namespace {

constexpr uid_t kNobody = 65534;

QMap<QString, QByteArray> contentsOf(const QString& folder)
{
    QMap<QString, QByteArray> contents;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QByteArray value = QByteArray::number(uint(QFileInfo(path).permissions()), 8);
        QFile file(path);
        if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly))
            value += ' ' + QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex();
        contents.insert(path.mid(folder.size()), value);
    }
    return contents;
}

bool makeReadOnly(const QString& folder)
{
    const auto r = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const auto x = QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    QStringList folders{folder};
    bool ok = true;
    while (it.hasNext()) {
        const QString path = it.next();
        if (it.fileInfo().isDir())
            folders << path;
        else
            ok = ok && QFile::setPermissions(path, r);
    }
    for (const QString& f : folders)
        ok = ok && QFile::setPermissions(f, r | x);
    return ok;
}

} // namespace

class TestInstalledReadOnly : public QObject
{
    Q_OBJECT

    QTemporaryDir m_root;
    QString m_program, m_sample, m_readOnly, m_home;
    QMap<QString, QByteArray> m_before;

    QString at(const QString& relative) const { return m_root.path() + '/' + relative; }

    // Runs the installed program as the unprivileged user; returns its dump ("" without).
    QJsonObject run(const QStringList& arguments, const QString& dumpName = QString())
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", m_home);
        env.insert("XDG_CONFIG_HOME", m_home + "/config");
        env.insert("XDG_DATA_HOME", m_home + "/data");
        env.insert("XDG_STATE_HOME", m_home + "/state");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("KARVENNA_REGISTRY", at("registry.ini"));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(m_home);
        QStringList all{"--reuid=65534", "--regid=65534", "--clear-groups", "--", m_program};
        all << arguments;
        if (!dumpName.isEmpty())
            all << "--dump" << at("out/" + dumpName);
        process.start("setpriv", all);
        if (!process.waitForFinished(60000)) {
            process.kill();
            process.waitForFinished();
        }
        const QByteArray errors = process.readAllStandardError();
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
            qWarning("karvenna %s: exit %d\n%s", qPrintable(arguments.join(' ')), process.exitCode(), errors.constData());
        QFile dump(at("out/" + dumpName));
        if (dumpName.isEmpty() || !dump.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(dump.readAll()).object();
    }

private slots:
    void initTestCase()
    {
        if (geteuid() != 0 || QStandardPaths::findExecutable("setpriv").isEmpty())
            QSKIP("runs as root with setpriv, to run the program as an unprivileged user");
        QVERIFY(m_root.isValid());
        QFile::setPermissions(m_root.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                 | QFile::ReadOther | QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
        QProcess install;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DESTDIR", at("stage"));
        install.setProcessEnvironment(env);
        install.start(KARVENNA_CMAKE, {"--install", KARVENNA_BUILD_DIR, "--prefix", "/usr"});
        QVERIFY(install.waitForFinished(240000));
        QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());
        m_program = at("stage/usr/bin/karvenna");
        m_sample = at("stage/usr/share/karvenna/sample");
        QVERIFY(QFileInfo(m_program).isExecutable());

        // The read-only installation: a copy of the installed sample, no write permission anywhere.
        m_readOnly = at("readonly");
        QDirIterator it(m_sample, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            const QString target = m_readOnly + file.mid(m_sample.size());
            QVERIFY(QDir().mkpath(QFileInfo(target).absolutePath()));
            QVERIFY(QFile::copy(file, target));
        }
        QVERIFY(makeReadOnly(m_readOnly));
        m_before = contentsOf(m_readOnly);

        // The user's own folders, and one for the dumps.
        m_home = at("home");
        for (const QString& folder : {m_home, at("out")}) {
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(::chown(QFile::encodeName(folder).constData(), kNobody, kNobody) == 0);
        }
        QFile registry(at("registry.ini"));
        QVERIFY(registry.open(QIODevice::WriteOnly));
        registry.write("[HKEY_CURRENT_USER\\Control Panel\\International]\nsLanguage=deu\n");
    }

    void languageOfAReadOnlyInstallationIsKeptForTheUser()
    {
        const QString userFile = m_home + "/config/karvenna/karvenna.conf";
        const QJsonObject chosen = run({"--batch", "--home", m_readOnly, "--language", "English"}, "chosen.json");
        QCOMPARE(chosen.value("language").toObject().value("name").toString(), QString("English"));
        QCOMPARE(chosen.value("settingsFile").toString(), userFile);
        QVERIFY(chosen.value("errors").toArray().isEmpty());

        const QJsonObject next = run({"--batch", "--home", m_readOnly, "--open", "miCaldoraCaves"}, "next.json");
        QCOMPARE(next.value("language").toObject().value("stem").toString(), QString("English"));
        QCOMPARE(next.value("language").toObject().value("name").toString(), QString("English"));
        // The menus speak English: the first menu is the language file's, not "&Datei".
        const QJsonObject fileMenu = next.value("menus").toArray().first().toObject();
        QVERIFY2(fileMenu.value("caption").toString() != "&Datei", qPrintable(fileMenu.value("caption").toString()));
        QCOMPARE(next.value("settingsFile").toString(), userFile);

        QCOMPARE(contentsOf(m_readOnly), m_before);
    }

    void opensTheInstalledSampleThenTheOneOpenedLast()
    {
        const QJsonObject first = run({"--batch", "--open", "miCaldoraCaves"}, "first.json");
        QCOMPARE(first.value("controls").toObject().value("imgMap").toObject().value("picture").toString(),
                 m_sample + "/caldora.jpg");
        // The installed sample is not the user's to write: the choice would go to the user's file.
        QCOMPARE(first.value("settingsFile").toString(), m_home + "/config/karvenna/karvenna.conf");

        // A person's run opens the read-only installation and quits.
        run({"--home", m_readOnly, "--open", "miQuit"});
        const QJsonObject last = run({"--batch", "--open", "miCaldoraCaves"}, "last.json");
        QCOMPARE(last.value("controls").toObject().value("imgMap").toObject().value("picture").toString(),
                 m_readOnly + "/caldora.jpg");
        QCOMPARE(last.value("language").toObject().value("name").toString(), QString("English"));
        QCOMPARE(contentsOf(m_readOnly), m_before);
    }
};

QTEST_GUILESS_MAIN(TestInstalledReadOnly)
#include "test_installedreadonly.moc"
