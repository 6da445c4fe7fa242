// The result list on a real main window, driven with key and mouse events.
#include "controls/TwipsGeometry.h"
#include "forms/main/frmMain.h"
#include "forms/results/ResultPanel.h"
#include "modules/Session.h"
#include "modules/Twips2Pixel_Module.h"
#include "support/RecordedServices.h"
#include "support/TestInstall.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>

namespace {

const QString kCaldora = QStringLiteral("[NPC]\n"
                                        "Wolfram der Bandit=100,200\n"
                                        "She-Wolf=900,300\n"
                                        "Schütze=500,500\n"
                                        "[bandits]\n"
                                        "Wolfram der Bandit=#,NPC\n");
const QString kFrostmere = QStringLiteral("[animals]\nWolf=300,400\n");

} // namespace

class TestResults : public QObject
{
    Q_OBJECT

    Session m_session;
    std::unique_ptr<Services> m_services = RecordingServices();
    std::unique_ptr<TestInstall> m_install;
    std::unique_ptr<frmMain> m_main;

    ResultPanel* panel() const { return m_main->resultPanel(); }
    QLineEdit* field() const { return panel()->termField(); }
    QString cell(int row, int column) const
    {
        QAbstractItemModel* model = panel()->list()->model();
        return model->data(model->index(row, column)).toString();
    }

    // The window as the program starts it, shown, with the result list opened by its keys.
    void start(const QString& englishFile = QString())
    {
        m_install = std::make_unique<TestInstall>();
        m_install->writeMinimalInstallation(
            kCaldora, englishFile.isEmpty() ? QString() : QStringLiteral("[general]\nlanguage=English\n"));
        if (!englishFile.isEmpty())
            m_install->writeText("LANG/English/English.lng", englishFile);
        m_install->writeText("frostmere.data", kFrostmere);
        m_install->writeText("info.data", "[info]\nschütze=Trifft jeden Wolf.\n");
        m_install->writeText("registry.ini",
                             "[HKEY_CURRENT_USER\\Control Panel\\International]\nsLanguage=deu\n");
        qputenv("KARVENNA_REGISTRY", m_install->file("registry.ini").toUtf8());
        m_session = Session();
        m_session.ProgramFolder = m_install->path();
        m_main = std::make_unique<frmMain>(m_session, *m_services);
        m_main->Create();
        QVERIFY(m_main->Load());
        m_main->show();
        QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
        QVERIFY(!panel());
        QTest::keyClick(m_main.get(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(panel());
        QVERIFY(panel()->isVisible());
        QTRY_VERIFY(field()->hasFocus());
    }

private slots:
    void cleanup()
    {
        m_main.reset();
        m_install.reset();
    }

    void typingUpdatesTheListAtEachKey()
    {
        start();
        QTest::keyClicks(field(), "wo");
        QCOMPARE(panel()->list()->model()->rowCount(), 4);  // three names and a description
        QTest::keyClicks(field(), "lf");
        QCOMPARE(cell(0, 0), QString("Wolfram der Bandit"));
        QCOMPARE(cell(0, 1), QString("Caldora"));
        QCOMPARE(cell(0, 2), QString("NPCs, Banditen"));  // as the menus name them
        QCOMPARE(cell(0, 3), QString());  // not found yet
        QCOMPARE(cell(1, 0), QString("Wolf"));
        QCOMPARE(cell(1, 2), QString("animals"));  // no menu shows that section
        QCOMPARE(cell(2, 0), QString("She-Wolf"));
        QCOMPARE(cell(3, 0), QString("Schütze"));
        QTest::keyClick(field(), Qt::Key_Backspace);
        QTest::keyClicks(field(), "fram");
        QCOMPARE(panel()->list()->model()->rowCount(), 1);
        // A typo, and an umlaut written without it.
        field()->clear();
        QTest::keyClicks(field(), "wolfarm");
        QCOMPARE(cell(0, 0), QString("Wolfram der Bandit"));
        field()->clear();
        QTest::keyClicks(field(), "schuetze");
        QCOMPARE(cell(0, 0), QString("Schütze"));
    }

    void categoriesReadAsTheMenusOfTheInterfaceLanguage()
    {
        // The language file's caption without its accelerator ("&&" is a plain "&"), the
        // English default where the file has none, the section name where no menu shows it.
        start("[general]\nlanguage=English\n[menus]\nmiCaldoraBandits=Out&laws && thieves\n");
        QTest::keyClicks(field(), "wolf");
        QCOMPARE(cell(0, 0), QString("Wolfram der Bandit"));
        QCOMPARE(cell(0, 2), QString("NPCs, Outlaws & thieves"));
        QAbstractItemModel* model = panel()->list()->model();
        QCOMPARE(model->data(model->index(0, 2), Qt::ToolTipRole).toString(), cell(0, 2));
        QCOMPARE(cell(1, 2), QString("animals"));
        QCOMPARE(panel()->list()->model()->headerData(2, Qt::Horizontal).toString(),
                 QString("Categories"));
    }

    void enterShowsTheHitAsTheFindDialogDoesAndTheListStays()
    {
        start();
        QTest::keyClicks(field(), "wolf");
        QTest::keyClick(field(), Qt::Key_Down);
        QTest::keyClick(field(), Qt::Key_Down);
        QCOMPARE(panel()->list()->currentIndex().row(), 2);
        QTest::keyClick(field(), Qt::Key_Up);
        QTest::keyClick(field(), Qt::Key_Return);

        const MainDisplay& d = m_main->display();
        QCOMPARE(d.InfoSubject, QString("Wolf"));
        QVERIFY(d.ITEM.visible);
        QCOMPARE(d.ITEM.entity, (EntityId{"frostmere", "Wolf"}));
        QCOMPARE(d.lblCaption.caption, QString(" Wolf "));
        QCOMPARE(d.lblMultiInfo.caption, QString(" Suchergebnis für: wolf "));
        QCOMPARE(d.picture, m_install->file("frostmere.jpg"));
        QVERIFY(m_main->action("miPrint")->isEnabled());
        QVERIFY(panel()->isVisible());
        // The find dialog's own state is not touched.
        QCOMPARE(m_session.search.SearchTerm, QString());
        QVERIFY(!m_main->action("miFindAgain")->isEnabled());

        // A double click shows a row too.
        QTreeView* list = panel()->list();
        const QRect row0 = list->visualRect(list->model()->index(0, 0));
        // As a real double click arrives: a click, then the second press as a double click.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row0.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row0.center());
        QCOMPARE(m_main->display().InfoSubject, QString("Wolfram der Bandit"));
    }

    void showTheseMarksTheHitsOfOneMap()
    {
        start();
        QTest::keyClicks(field(), "wolf");
        QTest::mouseClick(panel()->showAllButton(), Qt::LeftButton);
        const MainDisplay& d = m_main->display();
        // The first row's map: Caldora's two names, not Frostmere's wolf nor the description.
        QStringList names;
        for (int i = 0; i < kMarkerCount; ++i)
            if (d.DOT[i].visible)
                names << d.lblDOT[i].caption;
        QCOMPARE(names, (QStringList{" Wolfram der Bandit ", " She-Wolf ", " Schütze "}));
        QCOMPARE(d.CurrentMap, QString("caldora"));
        // A new size puts them where the new scale has them.
        const int before = d.DOT[1].left;
        m_main->resizeMapArea(m_main->mapArea()->width() / 2, m_main->mapArea()->height() / 2);
        QVERIFY(d.DOT[1].visible);
        QVERIFY(d.DOT[1].left < before);
    }

    void theMapAreaTakesTheRoomLeft()
    {
        start();
        QWidget* area = m_main->mapArea();
        QVERIFY(area->width() < m_main->width() - panel()->width() + 10);
        QCOMPARE(m_main->display().windowWidth(),
                 Twips2Pixel_Module::PixelsToTwipsX(area->width()) + 90);
        // The size asked for is the map area's, beside the list.
        m_main->resizeMapArea(640, 480);
        QCOMPARE(area->size(), QSize(640, 480));
        // Closed, the map has the window again.
        panel()->close();
        QTRY_COMPARE(area->width(), m_main->width());
        QCOMPARE(m_main->display().windowWidth(),
                 Twips2Pixel_Module::PixelsToTwipsX(area->width()) + 90);
    }
};

QTEST_MAIN(TestResults)
#include "test_results.moc"
