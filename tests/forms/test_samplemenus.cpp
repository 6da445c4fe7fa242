// Every category command of every map shows its category of the sample installation, with
// every marker on the map.
#include "modules/menu/MenuTable.h"
#include "modules/Session.h"
#include "forms/main/frmMain.h"
#include "support/RecordedServices.h"
#include "support/TestInstall.h"

#include <QAction>
#include <QtTest>

class TestSampleMenus : public QObject
{
    Q_OBJECT

    Session m_session;
    std::unique_ptr<Services> m_services = RecordingServices();

private:
    TestInstall registry;
    std::unique_ptr<frmMain> main;

private slots:
    void initTestCase()
    {
        registry.writeText("registry.ini", "[HKEY_CURRENT_USER\\Control Panel\\International]\nsLanguage=deu\n");
        qputenv("KARVENNA_REGISTRY", registry.file("registry.ini").toLocal8Bit());
        m_session.ProgramFolder = QStringLiteral(KARVENNA_SAMPLE_DIR);
        main = std::make_unique<frmMain>(m_session, *m_services);
        main->Create();
        QVERIFY(main->Load());
    }

    void everyCategoryCommandShowsItsCategory_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        for (const MenuEntry& e : MenuTable::Entries())
            if (e.category)
                QTest::newRow(e.name) << QString::fromLatin1(e.name) << int(e.kind);
    }

    void everyCategoryCommandShowsItsCategory()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        QAction* action = main->action(name);
        QVERIFY(action);
        action->trigger();
        const MainDisplay& d = main->display();
        QVERIFY(m_services->record.errors().isEmpty());
        if (kind == int(MenuKind::List)) {
            QVERIFY(d.cboItems.visible);
            QVERIFY2(d.cboItems.items.size() > 1, "the list holds more than its prompt");
            return;
        }
        QVERIFY(!d.cboItems.visible);
        QVERIFY(d.lblMultiInfo.visible);
        int shown = 0;
        for (int i = 0; i < kMarkerCount; ++i) {
            if (!d.DOT[i].visible)
                continue;
            ++shown;
            const int x = d.DOT[i].left + 65, y = d.DOT[i].top + 65;
            QVERIFY2(x >= 0 && x <= d.imgMap.width && y >= 0 && y <= d.imgMap.height,
                     qPrintable(d.DOT[i].desc));
            QVERIFY(!d.DOT[i].desc.isEmpty());
        }
        QVERIFY2(shown > 0, "at least one marker");
    }

    void cleanupTestCase() { main.reset(); }
};

QTEST_MAIN(TestSampleMenus)
#include "test_samplemenus.moc"
