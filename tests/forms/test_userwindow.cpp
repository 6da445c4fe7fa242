// What the main window keeps for the person between runs (its size, place and state, the
// installation opened last) and opening another installation from the File menu.
#include "forms/main/frmMain.h"
#include "modules/Session.h"
#include "modules/Twips2Pixel_Module.h"
#include "support/RecordedServices.h"
#include "support/TestInstall.h"

#include <QAction>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QMenu>
#include <QScreen>
#include <QtTest>

class TestUserWindow : public QObject
{
    Q_OBJECT

    TestInstall m_registry;
    std::unique_ptr<Services> m_services = RecordingServices();

    // A window on folder as a person's run starts it.
    std::unique_ptr<frmMain> start(Session& session, const QString& folder, bool restoreWindow = true)
    {
        session.ProgramFolder = folder;
        auto main = std::make_unique<frmMain>(session, *m_services);
        main->rememberForUser(restoreWindow);
        main->Create();
        if (!main->Load())
            return nullptr;
        return main;
    }

private slots:
    void initTestCase()
    {
        m_registry.writeText("registry.ini", "[HKEY_CURRENT_USER\\Control Panel\\International]\nsLanguage=deu\n");
        qputenv("KARVENNA_REGISTRY", m_registry.file("registry.ini").toLocal8Bit());
    }
    void init() { Session().userConfig.remove("window/geometry"); }

    void windowComesBackAsItWasLeft()
    {
        Session session;
        {
            auto main = start(session, KARVENNA_SAMPLE_DIR);
            QVERIFY(main);
            main->resize(700, 520);
            main->move(60, 40);
            main->close();
        }
        auto main = start(session, KARVENNA_SAMPLE_DIR);
        QCOMPARE(main->size(), QSize(700, 520));
        QCOMPARE(main->pos(), QPoint(60, 40));
        // The map area's twips follow the restored size.
        QCOMPARE(main->display().imgMap.width, Twips2Pixel_Module::PixelsToTwipsX(main->mapArea()->width()));
        QCOMPARE(main->display().imgMap.height, Twips2Pixel_Module::PixelsToTwipsY(main->mapArea()->height()));

        // A run with a size of its own (--size) keeps it, and does not keep it for later.
        main->close();
        Session sized;
        auto fixed = start(sized, KARVENNA_SAMPLE_DIR, false);
        QCOMPARE(fixed->mapArea()->size(), QSize(Twips2Pixel_Module::TwipsToPixelsX(14175),
                                                 Twips2Pixel_Module::TwipsToPixelsY(10365)));
        fixed->resize(500, 400);
        fixed->close();
        QCOMPARE(start(sized, KARVENNA_SAMPLE_DIR)->size(), QSize(700, 520));
    }

    void maximisedAndOffScreenWindowsComeBackOnTheScreen()
    {
        Session session;
        {
            auto main = start(session, KARVENNA_SAMPLE_DIR);
            main->showMaximized();
            QTRY_VERIFY(main->isMaximized());
            main->close();
        }
        QVERIFY(start(session, KARVENNA_SAMPLE_DIR)->isMaximized());

        {
            auto main = start(session, KARVENNA_SAMPLE_DIR);
            main->showNormal();
            main->setGeometry(30000, 30000, 640, 480);
            main->close();
        }
        auto main = start(session, KARVENNA_SAMPLE_DIR);
        QVERIFY(!main->isMaximized());
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(screen.intersects(main->geometry()), qPrintable(QString("%1,%2").arg(main->x()).arg(main->y())));
    }

    void anotherInstallationOpensAndIsRemembered()
    {
        Session session;
        auto main = start(session, KARVENNA_SAMPLE_DIR);
        QVERIFY(main);
        // The last entry of the File menu, after Quit, without a shortcut of its own.
        const QList<QAction*> file = main->menu("mnuFile")->actions();
        QCOMPARE(file.last()->objectName(), QString("mxOpenInstallation"));
        QCOMPARE(file.at(file.size() - 2)->objectName(), QString("miQuit"));
        QCOMPARE(file.last()->text(), QString("&Installation öffnen..."));
        QVERIFY(file.last()->shortcut().isEmpty());

        main->action("miCaldoraCaves")->trigger();
        const QStringList shownBefore = main->display().cboItems.items;
        const qsizetype messagesBefore = m_services->record.messages().size();

        // Not an installation: the message names the first missing file; nothing changes.
        TestInstall incomplete;
        incomplete.writeMinimalInstallation();
        QVERIFY(QFile::remove(incomplete.file("frostmere.data")));
        main->answerInstallationFolder(incomplete.path());
        main->action("mxOpenInstallation")->trigger();
        QCOMPARE(m_services->record.messages().size(), messagesBefore + 1);
        const QJsonObject message = m_services->record.messages().last().toObject();
        QCOMPARE(message.value("icon").toString(), QString("stop"));
        QCOMPARE(message.value("text").toString(), "Die folgende Datei fehlt: " + incomplete.file("frostmere.data")
                                                      + "\r\nDas Programm kann nicht fortgesetzt werden.");
        QVERIFY(!main->ended());
        QCOMPARE(session.ProgramFolder, QString(KARVENNA_SAMPLE_DIR));
        QCOMPARE(main->display().cboItems.items, shownBefore);
        QCOMPARE(ChooseInstallation({}, session.userConfig, "/nowhere"), QString(KARVENNA_SAMPLE_DIR));

        // A complete one opens as at a start: its settings, its maps, a cleared map.
        TestInstall lite;
        lite.writeMinimalInstallation({}, "[special]\nNoExtras=yes\n");
        main->answerInstallationFolder(lite.path() + "/");
        main->action("mxOpenInstallation")->trigger();
        QCOMPARE(session.ProgramFolder, lite.path());
        QCOMPARE(main->maps()[0].dataFile, lite.file("caldora.data"));
        QVERIFY(!main->action("mnuExtras")->isVisible());
        QVERIFY(main->windowTitle().endsWith(" Lite"));
        QVERIFY(!main->display().cboItems.visible);
        QCOMPARE(main->display().CurrentMap, QString());
        QCOMPARE(ChooseInstallation({}, session.userConfig, "/nowhere"), lite.path());
        main->action("miCaldoraPlaces")->trigger();
        QCOMPARE(main->display().LastDisplay.dataFile, lite.file("caldora.data"));

        // And back: the sample's menus as the sample's settings have them.
        QVERIFY(main->OpenInstallation(KARVENNA_SAMPLE_DIR));
        QVERIFY(main->action("mnuExtras")->isVisible());
        QVERIFY(!main->windowTitle().endsWith(" Lite"));

        // Batch mode without a folder given asks nobody and changes nothing.
        main->action("mxOpenInstallation")->trigger();
        QCOMPARE(session.ProgramFolder, QString(KARVENNA_SAMPLE_DIR));
    }
};

QTEST_MAIN(TestUserWindow)
#include "test_userwindow.moc"
