// Choosing a language through the dialog as a person would, in batch mode: the menus follow,
// the choice survives a restart, and the start-up dialog greets a system that is not German.
#include "support/TestInstall.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QTest>

namespace {

QString firstMenuCaption(const QJsonObject& dump)
{
    return dump["menus"].toArray().at(0).toObject()["caption"].toString();
}

QJsonObject lastDialog(const QJsonObject& dump, const QString& name)
{
    QJsonObject found;
    for (const auto& d : dump["dialogs"].toArray())
        if (d.toObject()["name"].toString() == name)
            found = d.toObject();
    return found;
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private:
    TestInstall* m_install = nullptr;
    QString m_registry;

    void writeRegistry(const QString& systemLanguage)
    {
        m_install->writeText("registry.ini", "[HKEY_CURRENT_USER\\Control Panel\\International]\n"
                                             "sLanguage=" + systemLanguage + "\n");
    }

    BatchResult run(const QStringList& actions)
    {
        return RunKarvenna(QStringList{"--home", m_install->path(), "--batch"} + actions,
                           {"KARVENNA_REGISTRY=" + m_install->file("registry.ini")});
    }

    QString storedLanguage() const
    {
        QFile f(m_install->file("karvenna.ini"));
        if (!f.open(QIODevice::ReadOnly))
            return "<no file>";
        for (const QByteArray& line : f.readAll().split('\n'))
            if (line.startsWith("language="))
                return QString::fromUtf8(line.mid(9)).trimmed();
        return "<no key>";
    }

private slots:
    void init()
    {
        m_install = new TestInstall;
        m_install->writeMinimalInstallation(QString(), "[general]\nlanguage=\n[special]\nPlayMusic=yes\n");
        m_install->writeText("LANG/English/English.lng",
                             "[general]\nlanguage=English\nwebsite=lang.example/en\n"
                             "[menus]\nmnuFile=&File\n[frmAbout]\ncaption=About\n");
        m_install->writeText("LANG/Partial/Partial.lng", "[general]\nlanguage=Partial\n");
        writeRegistry("deu");
    }
    void cleanup()
    {
        delete m_install;
        m_install = nullptr;
    }

    void switchingThroughTheDialog()
    {
        const BatchResult r = run({"--language", "English", "--language", "Partial",
                                   "--language", "Deutsch"});
        QCOMPARE(r.exitCode, 0);
        const QJsonObject dump = r.dump();
        QCOMPARE(dump["errors"].toArray().size(), 0);
        const QJsonArray dialogs = dump["dialogs"].toArray();
        QCOMPARE(dialogs.size(), 3);
        // Each opening lists the same rows and shows the language chosen before.
        QCOMPARE(dialogs.at(1)["controls"]["lblCurrentLang"]["caption"].toString(),
                 QStringLiteral("English"));
        QCOMPARE(dialogs.at(2)["controls"]["glbLang"]["items"].toArray().size(), 3);
        QCOMPARE(firstMenuCaption(dump), QStringLiteral("&Datei"));
        QCOMPARE(dump["language"]["name"].toString(), QStringLiteral("Deutsch"));
        QCOMPARE(storedLanguage(), QStringLiteral("Deutsch"));
    }

    void choiceSurvivesARestart_data()
    {
        QTest::addColumn<QString>("stem");
        QTest::addColumn<QString>("menu");
        QTest::newRow("English") << "English" << "&File";
        QTest::newRow("a language without menus") << "Partial" << "File";
    }

    void choiceSurvivesARestart()
    {
        QFETCH(QString, stem);
        QFETCH(QString, menu);
        const QJsonObject chosen = run({"--language", stem}).dump();
        QCOMPARE(firstMenuCaption(chosen), menu);
        QCOMPARE(chosen["currentMap"].toString(), QString());
        QCOMPARE(storedLanguage(), stem);

        const QJsonObject restarted = run({}).dump();
        QCOMPARE(restarted["language"]["stem"].toString(), stem);
        QCOMPARE(firstMenuCaption(restarted), menu);
    }

    void choosingClearsTheMap()
    {
        const QJsonObject dump = run({"--open", "miCaldoraCaves", "--language", "English"}).dump();
        QCOMPARE(dump["controls"]["imgMap"]["picture"].toString(), QString());
        QCOMPARE(dump["currentMap"].toString(), QString());
        QVERIFY(!dump["controls"]["lblCaption"]["visible"].toBool());
    }

    void startupDialogOnAForeignSystem()
    {
        writeRegistry("enu");
        QJsonObject dump = run({}).dump();
        const QJsonObject dialog = lastDialog(dump, "frmLang");
        QVERIFY(!dialog.isEmpty());
        QCOMPARE(dialog["closed"]["result"].toInt(), 0);
        QCOMPARE(firstMenuCaption(dump), QStringLiteral("&Datei"));

        dump = run({"--startup-language", "English"}).dump();
        QCOMPARE(firstMenuCaption(dump), QStringLiteral("&File"));
        QCOMPARE(storedLanguage(), QStringLiteral("English"));

        // Now English is stored: no greeting at the next start.
        dump = run({}).dump();
        QVERIFY(lastDialog(dump, "frmLang").isEmpty());
    }

    void aboutBoxWithMusicAndLinks()
    {
        const QJsonObject dump = run({"--about"}).dump();
        const QJsonArray sounds = dump["sounds"].toArray();
        QCOMPARE(sounds.size(), 2);
        QCOMPARE(sounds.at(0)["file"].toString(), m_install->file("karvenna.wav"));
        QCOMPARE(sounds.at(0)["flags"].toInt(), 9);
        QCOMPARE(sounds.at(1)["flags"].toInt(), 1);
        const QJsonObject about = lastDialog(dump, "frmAbout");
        QVERIFY(about["caption"].toString().startsWith(QStringLiteral("Über ")));
        QVERIFY(about["controls"]["lblEMail"]["target"].toString().startsWith("mailto:"));
        QCOMPARE(about["closed"]["result"].toInt(), 1);

        run({"--language", "English"});
        const QJsonObject english = lastDialog(run({"--about"}).dump(), "frmAbout");
        QVERIFY(english["caption"].toString().startsWith(QStringLiteral("About ")));
    }
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "test_language.moc"
