// The perk dialog driven from the command line: --perks ITEM:KEY and the dialog's record in
// the dump.
#include "support/TestInstall.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QTest>

class TestPerksBatch : public QObject
{
    Q_OBJECT

private slots:
    void perksAction_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("caption");
        QTest::newRow("perk") << "plain" << "perk archer" << 1 << "Caldora: Lehrer für Bogenschütze";
        QTest::newRow("group stays open, then cancelled") << "plain" << "h" << 0 << "";
        QTest::newRow("cancel") << "plain" << "" << 0 << "";
        QTest::newRow("installation under a data folder")
            << "usr/share/data/karvenna" << "perk sleep" << 1 << "Caldora: Lehrer für Schlaf";
    }
    void perksAction()
    {
        QFETCH(QString, folder);
        QFETCH(QString, key);
        TestInstall install;
        QVERIFY(install.isValid());
        install.writeText("registry.ini",
                          "[HKEY_CURRENT_USER\\Control Panel\\International]\nsLanguage=deu\n");
        const QString home = install.file(folder);
        for (const QString& id : TestInstall::mapIds()) {
            install.writeText(folder + "/" + id + ".data",
                              "[places]\nOrt=10,10\n[perk archer]\nBogner=100,200\n"
                              "[perk sleep]\nMagier=300,300\n");
            install.writePicture(folder + "/" + id + ".jpg");
        }

        const BatchResult run = RunKarvenna(
            {"--home", home, "--batch", "--perks", "miCaldoraPerks:" + key},
            {"KARVENNA_REGISTRY=" + install.file("registry.ini")});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject dump = run.dump();
        QCOMPARE(dump["errors"].toArray().size(), 0);

        const QJsonArray dialogs = dump["dialogs"].toArray();
        QCOMPARE(dialogs.size(), 1);
        const QJsonObject dialog = dialogs[0].toObject();
        QCOMPARE(dialog["name"].toString(), QStringLiteral("frmPerks"));
        QCOMPARE(dialog["caption"].toString(), QStringLiteral("Lehrer für Perks in Caldora"));
        QTEST(dialog["closed"]["result"].toInt(), "result");

        const QJsonArray nodes = dialog["controls"]["tvPerks"]["nodes"].toArray();
        QCOMPARE(nodes.size(), 10);
        const QJsonObject archer = nodes[3].toObject();
        QCOMPARE(archer["key"].toString(), QStringLiteral("perk archer"));
        QCOMPARE(archer["text"].toString(), QStringLiteral("Bogenschütze"));
        QCOMPARE(archer["parent"].toString(), QStringLiteral("h"));
        QCOMPARE(archer["bold"].toBool(), false);
        QCOMPARE(archer["picture"].toInt(), 8);
        QCOMPARE(nodes[2]["bold"].toBool(), true);
        QCOMPARE(nodes[2]["picture"].toInt(), 2);

        const QJsonObject last = dump["lastDisplay"].toObject();
        QTEST(last["caption"].toString(), "caption");
        if (last["caption"].toString().isEmpty()) {
            QCOMPARE(dump["controls"]["imgMap"]["picture"].toString(), QString());
            return;
        }
        QCOMPARE(last["category"].toString(), key);
        QCOMPARE(last["picture"].toString(), home + "/caldora.jpg");
        QCOMPARE(dump["controls"]["imgMap"]["picture"].toString(), home + "/caldora.jpg");
        QCOMPARE(dump["currentMap"].toString(), QStringLiteral("caldora"));
        QVERIFY(dump["controls"]["DOT"][0]["visible"].toBool());
        QVERIFY(dump["controls"]["lblDOT"][0]["visible"].toBool());
    }
};

QTEST_MAIN(TestPerksBatch)
#include "test_perks_batch.moc"
