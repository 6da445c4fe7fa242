// The program in batch mode on installations written by the tests, checked through its dump.
#include "support/TestInstall.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QtTest>

namespace {

const QString kCaldora = QStringLiteral(
    "[caves]\n"
    "Höhle am Fluss=100,100\n"
    "Drachenhöhle=512,384, * \n"
    "[NPC]\n"
    "Alrik=300,300\n"
    "Berta=1000,200\n"
    "[places]\n"
    "Alrik=50,60\n");

QJsonObject findMenu(const QJsonArray& menus, const QString& name)
{
    for (const QJsonValue& v : menus) {
        const QJsonObject o = v.toObject();
        if (o.value("name").toString() == name)
            return o;
        const QJsonObject inner = findMenu(o.value("children").toArray(), name);
        if (!inner.isEmpty())
            return inner;
    }
    return {};
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    // A registry stand-in saying the system is German, so start-up opens no dialog.
    QString germanRegistry(const TestInstall& install)
    {
        install.writeText("registry.ini",
                          "[HKEY_CURRENT_USER\\Control Panel\\International]\nsLanguage=deu\n");
        return QStringLiteral("KARVENNA_REGISTRY=") + install.file("registry.ini");
    }

    QJsonObject run(const TestInstall& install, QStringList args, QStringList env = {})
    {
        env << germanRegistry(install);
        args.prepend(install.path());
        args.prepend(QStringLiteral("--home"));
        args << QStringLiteral("--batch");
        const BatchResult r = RunKarvenna(args, env);
        if (r.exitCode != 0)
            qWarning() << r.stdErr;
        return r.dump();
    }

private slots:
    void startsWithTheDesignedMenusAndCaption()
    {
        TestInstall install;
        install.writeMinimalInstallation(kCaldora);
        const QJsonObject dump = run(install, {});
        QVERIFY(dump.value("caption").toString().startsWith("Karvenna "));
        QVERIFY(dump.value("caption").toString().endsWith(" Final "));
        QCOMPARE(dump.value("language").toObject().value("name").toString(), QStringLiteral("Deutsch"));
        QCOMPARE(dump.value("currentMap").toString(), QString());
        const QJsonArray menus = dump.value("menus").toArray();
        QStringList top;
        // Entries beyond the designed menus are named mx…: without them, the designed bar.
        for (const QJsonValue& v : menus)
            if (!v.toObject().value("name").toString().startsWith("mx"))
                top << v.toObject().value("name").toString();
        QCOMPARE(top, QStringList({"mnuFile", "mnuCaldora", "mnuFrostmere", "mnuQasira", "sep13",
                                   "mnuUrKesh", "mnuancestors", "sep40", "mnuFind", "mnuExtras", "mnuHelp"}));
        QCOMPARE(findMenu(menus, "miPrint").value("enabled").toBool(), false);
        QCOMPARE(findMenu(menus, "miPrint").value("shortcut").toString(), QStringLiteral("Ctrl+P"));
        QCOMPARE(findMenu(menus, "miFindAgain").value("shortcut").toString(), QStringLiteral("F3"));
        QCOMPARE(findMenu(menus, "sep13").value("caption").toString(), QStringLiteral("|"));
        QCOMPARE(findMenu(menus, "sep13").value("enabled").toBool(), false);
        QCOMPARE(findMenu(menus, "miQasiraDragonroots").value("caption").toString(),
                 QStringLiteral("&Drachenwurzel"));
        QCOMPARE(findMenu(menus, "mnuCaldora").value("caption").toString(), QStringLiteral("&Caldora"));
        QCOMPARE(dump.value("settingsFile").toString(), install.file("karvenna.ini"));
        // The map area fills the client area: W - 90 by H - 800.
        const QJsonObject window = dump.value("window").toObject();
        const QJsonObject imgMap = dump.value("controls").toObject().value("imgMap").toObject();
        QCOMPARE(imgMap.value("width").toInt(), window.value("width").toInt() - 90);
        QCOMPARE(imgMap.value("height").toInt(), window.value("height").toInt() - 800);
        QCOMPARE(imgMap.value("picture").toString(), QString());
    }

    void captionCarriesTheEdition_data()
    {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("ending");
        QTest::addColumn<bool>("extrasVisible");
        QTest::addColumn<bool>("languageVisible");
        QTest::newRow("lite") << "[special]\nNoExtras= Yes \n" << " Final Lite" << false << true;
        QTest::newRow("localised") << "[special]\nNoLang=yes\nLocalizedString= Edition X \n"
                                   << " Final  Edition X" << true << false;
        QTest::newRow("both") << "[special]\nNoExtras=YES\nNoLang=yes\nLocalizedString=PL\n"
                              << " Final Lite PL" << false << false;
    }

    void captionCarriesTheEdition()
    {
        QFETCH(QString, settings);
        QFETCH(QString, ending);
        QFETCH(bool, extrasVisible);
        QFETCH(bool, languageVisible);
        TestInstall install;
        install.writeMinimalInstallation(kCaldora, settings);
        const QJsonObject dump = run(install, {});
        QVERIFY2(dump.value("caption").toString().endsWith(ending), qPrintable(dump.value("caption").toString()));
        const QJsonArray menus = dump.value("menus").toArray();
        QCOMPARE(findMenu(menus, "mnuExtras").value("visible").toBool(), extrasVisible);
        QCOMPARE(findMenu(menus, "mnuLanguage").value("visible").toBool(), languageVisible);
    }

    void missingFilesAreReportedInOrder_data()
    {
        QTest::addColumn<QStringList>("remove");
        QTest::addColumn<QStringList>("empty");
        QTest::addColumn<QString>("named");
        QTest::newRow("data before pictures") << QStringList{"qasira.jpg", "urkesh.data"} << QStringList{}
                                              << "urkesh.data";
        QTest::newRow("empty picture") << QStringList{} << QStringList{"caldora.jpg"} << "caldora.jpg";
    }

    void missingFilesAreReportedInOrder()
    {
        QFETCH(QStringList, remove);
        QFETCH(QStringList, empty);
        QFETCH(QString, named);
        TestInstall install;
        install.writeMinimalInstallation(kCaldora);
        for (const QString& f : remove)
            QFile::remove(install.file(f));
        for (const QString& f : empty)
            install.writeBytes(f, QByteArray());
        const QJsonObject dump = run(install, {"--open", "miCaldoraCaves"});
        const QJsonArray messages = dump.value("messages").toArray();
        QCOMPARE(messages.size(), 1);
        const QJsonObject m = messages.first().toObject();
        QCOMPARE(m.value("icon").toString(), QStringLiteral("stop"));
        QCOMPARE(m.value("caption").toString(), QStringLiteral("Fehler"));
        QCOMPARE(m.value("text").toString(),
                 QStringLiteral("Die folgende Datei fehlt: ") + install.file(named)
                     + QStringLiteral("\r\nDas Programm kann nicht fortgesetzt werden."));
        // The program ended before the action.
        QCOMPARE(dump.value("currentMap").toString(), QString());
    }

    void substituteLanguageDeutschMeansEnglish()
    {
        TestInstall install;
        install.writeMinimalInstallation(kCaldora, "[general]\nSubstLang= deutsch \n");
        QCOMPARE(run(install, {}).value("language").toObject().value("substitute").toString(),
                 QStringLiteral("English"));
        TestInstall other;
        other.writeMinimalInstallation(kCaldora, "[general]\nSubstLang= Francais \n");
        QCOMPARE(run(other, {}).value("language").toObject().value("substitute").toString(),
                 QStringLiteral("Francais"));
    }

    void withoutDescriptionsTheBalloonIsEmpty()
    {
        TestInstall install;
        install.writeMinimalInstallation(kCaldora);
        const QJsonObject dump = run(install, {"--open", "miCaldoraCaves", "--hover", "DOT:0", "--hover", "lblDOT:0"});
        QCOMPARE(dump.value("balloon").toObject().value("text").toString(), QString());
        QCOMPARE(dump.value("controls").toObject().value("lblDOT").toArray().at(0).toObject().value("toolTip").toString(),
                 QString());
        QVERIFY(dump.value("errors").toArray().isEmpty());
    }

    void languageDialogConditionFollowsTheSystemLanguage()
    {
        TestInstall install;
        install.writeMinimalInstallation(kCaldora);
        install.writeText("other.ini", "[HKEY_CURRENT_USER\\Control Panel\\International]\nsLanguage=ENU\n");
        const BatchResult r = RunKarvenna({"--home", install.path(), "--batch"},
                                          {"KARVENNA_REGISTRY=" + install.file("other.ini")});
        QCOMPARE(r.dump().value("startupLanguageDialog").toBool(), true);
        QCOMPARE(run(install, {}).value("startupLanguageDialog").toBool(), false);
    }

    void allAtOnceDisplayShowsEveryEntity()
    {
        TestInstall install;
        install.writeMinimalInstallation(kCaldora);
        const QJsonObject dump = run(install, {"--size", "1024x768", "--open", "miCaldoraCaves"});
        const QJsonObject controls = dump.value("controls").toObject();
        QCOMPARE(dump.value("window").toObject().value("width").toInt(), 1024 * 15 + 90);
        const QJsonObject dot1 = controls.value("DOT").toArray().at(1).toObject();
        QCOMPARE(dot1.value("left").toInt(), 512 * 15 - 65);
        QCOMPARE(dot1.value("top").toInt(), 384 * 15 - 65);
        QCOMPARE(dot1.value("borderColor").toInt(), 2263842);
        QCOMPARE(dot1.value("desc").toString(), QStringLiteral("Drachenhöhle"));
        // Caves are shown with hidden names until pointed at.
        QCOMPARE(controls.value("lblDOT").toArray().at(1).toObject().value("visible").toBool(), false);
        const QJsonObject heading = controls.value("lblMultiInfo").toObject();
        QCOMPARE(heading.value("caption").toString(), QStringLiteral(" Caldora: Höhlen "));
        QCOMPARE(heading.value("left").toInt(),
                 dump.value("window").toObject().value("width").toInt() - heading.value("width").toInt() - 120);
        QCOMPARE(dump.value("currentMap").toString(), QStringLiteral("caldora"));
        QCOMPARE(dump.value("labelsHidden").toBool(), true);
    }

    void pointerActionsReachOnlyShownControls_data()
    {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QString>("error"); // empty: carried out
        // The caves show both markers with hidden names, no list and no selection.
        QTest::newRow("shown marker") << QStringList{"--hover", "DOT:1"} << "";
        QTest::newRow("hidden name") << QStringList{"--dblclick", "lblDOT:1"}
                                     << "--dblclick lblDOT:1: control not visible";
        QTest::newRow("marker past the array") << QStringList{"--hover", "DOT:81"}
                                               << "--hover DOT:81: control not visible";
        QTest::newRow("not a number") << QStringList{"--dblclick", "DOT:1x"}
                                      << "--dblclick DOT:1x: control not visible";
        QTest::newRow("no selection") << QStringList{"--hover", "ITEM"}
                                      << "--hover ITEM: control not visible";
        QTest::newRow("info button is clicked, not double-clicked")
            << QStringList{"--dblclick", "btnInfo"} << "--dblclick btnInfo: control not visible";
        QTest::newRow("hidden info button") << QStringList{"--click", "btnInfo"}
                                            << "--click btnInfo: control not visible";
    }
    void pointerActionsReachOnlyShownControls()
    {
        QFETCH(QStringList, actions);
        QFETCH(QString, error);
        TestInstall install;
        install.writeMinimalInstallation(kCaldora);
        const QJsonArray errors = run(install, QStringList{"--open", "miCaldoraCaves"} + actions)
                                      .value("errors")
                                      .toArray();
        QCOMPARE(errors, error.isEmpty() ? QJsonArray() : QJsonArray{error});
    }

    void hoverShowsTheNameAndRegistersTheBalloon()
    {
        TestInstall install;
        install.writeMinimalInstallation(kCaldora);
        install.writeText("info.data", "[info]\ndrachenhöhle=Heiß.\\nSehr heiß.\n");
        const QJsonObject dump = run(install, {"--open", "miCaldoraCaves", "--hover", "DOT:0", "--hover", "DOT:1",
                                               "--hover", "lblDOT:1"});
        const QJsonArray labels = dump.value("controls").toObject().value("lblDOT").toArray();
        QCOMPARE(labels.at(0).toObject().value("visible").toBool(), false);
        QCOMPARE(labels.at(1).toObject().value("visible").toBool(), true);
        QCOMPARE(labels.at(1).toObject().value("toolTip").toString(), QStringLiteral("Heiß. Sehr heiß...."));
        const QJsonObject balloon = dump.value("balloon").toObject();
        QCOMPARE(balloon.value("control").toString(), QStringLiteral("DOT:1"));
        QCOMPARE(balloon.value("title").toString(), QStringLiteral("Drachenhöhle"));
        QCOMPARE(balloon.value("text").toString(), QStringLiteral("Heiß.\r\nSehr heiß."));
        QCOMPARE(balloon.value("icon").toInt(), 1);
    }

    void listDisplayAndPick()
    {
        TestInstall install;
        install.writeMinimalInstallation(kCaldora);
        const QJsonObject dump = run(install, {"--size", "1024x768", "--open", "miCaldoraNPCs", "--pick", "Berta",
                                               "--pick", "Niemand", "--pick-index", "9"});
        const QJsonObject controls = dump.value("controls").toObject();
        const QJsonObject list = controls.value("cboItems").toObject();
        QCOMPARE(list.value("items").toArray().size(), 3);
        QCOMPARE(list.value("items").toArray().at(0).toString(),
                 QStringLiteral("  ------------ Bitte Auswählen ------------"));
        QCOMPARE(list.value("text").toString(), QStringLiteral("Berta"));
        QCOMPARE(list.value("dropDownHeight").toInt(), 768);
        const QJsonObject item = controls.value("ITEM").toObject();
        QCOMPARE(item.value("left").toInt(), 1000 * 15 - 65);
        const QJsonObject caption = controls.value("lblCaption").toObject();
        QCOMPARE(caption.value("caption").toString(), QStringLiteral(" Berta "));
        // Near the right edge the name stands left of the marker.
        QCOMPARE(caption.value("left").toInt(), item.value("left").toInt() - caption.value("width").toInt() - 50);
        QCOMPARE(dump.value("lastDisplay").toObject().value("selectedName").toString(), QStringLiteral("Berta"));
        QCOMPARE(dump.value("errors").toArray().size(), 2);
    }

    void rightClickOpensTheMenuOfTheMapShown()
    {
        TestInstall install;
        install.writeMinimalInstallation(kCaldora);
        QCOMPARE(run(install, {"--right-click", "10,10"}).value("popupMenu").toString(), QStringLiteral("mnuFile"));
        QCOMPARE(run(install, {"--open", "miQasiraCaves", "--right-click", "10,10"}).value("popupMenu").toString(),
                 QStringLiteral("mnuQasira"));
    }

    void resizeKeepsMarkersOnTheirSpots()
    {
        TestInstall install;
        install.writeMinimalInstallation(kCaldora);
        const QJsonObject dump = run(install, {"--size", "1024x768", "--open", "miCaldoraCaves",
                                               "--resize", "512x384"});
        const QJsonObject dot1 = dump.value("controls").toObject().value("DOT").toArray().at(1).toObject();
        QCOMPARE(dot1.value("left").toInt(), 256 * 15 - 65);
        QCOMPARE(dot1.value("top").toInt(), 192 * 15 - 65);
    }

    void englishLanguageFileWithoutMenusGivesEnglishCaptions()
    {
        TestInstall install;
        install.writeMinimalInstallation(kCaldora, "[general]\nlanguage=English\n");
        install.writeText("LANG/English/English.lng", "[general]\nlanguage=English\n[menus]\nmnuExtras=Wrong\n");
        const QJsonObject dump = run(install, {"--open", "miCaldoraNPCs"});
        const QJsonArray menus = dump.value("menus").toArray();
        QCOMPARE(findMenu(menus, "miUpdateKarvenna").value("caption").toString(), QStringLiteral("Update &Karvenna  "));
        QCOMPARE(findMenu(menus, "mnuExtras").value("caption").toString(), QStringLiteral("Extras"));
        QCOMPARE(findMenu(menus, "mnuFrostmereAnimalsAndCreatures").value("caption").toString(),
                 QStringLiteral("Animals..."));
        QCOMPARE(dump.value("controls").toObject().value("cboItems").toObject().value("items").toArray().at(0).toString(),
                 QStringLiteral("   ------------ Please select ------------"));
    }

    void refusedActionsAreRecorded()
    {
        TestInstall install;
        install.writeMinimalInstallation(kCaldora, "[special]\nNoExtras=yes\n");
        const QJsonObject dump = run(install, {"--open", "mnuExtras", "--open", "miPrint", "--open", "miNothing",
                                               "--hover", "DOT:5", "--click", "btnInfo"});
        QCOMPARE(dump.value("errors").toArray().size(), 5);
    }

    void quitEndsTheProgram()
    {
        TestInstall install;
        install.writeMinimalInstallation(kCaldora);
        const QJsonObject dump = run(install, {"--open", "miQuit", "--open", "miCaldoraCaves"});
        QCOMPARE(dump.value("currentMap").toString(), QString());
        QVERIFY(dump.value("errors").toArray().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
