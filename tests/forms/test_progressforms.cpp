// Found progress in the windows: the marker menu under the real pointer (found, greyed with a
// check, hidden, back), the map's own menu off the markers, the profiles dialog and the hunting
// list printed to a PDF file.
#include "controls/TwipsGeometry.h"
#include "forms/huntlist/HuntListPrint.h"
#include "forms/huntlist/frmHuntList.h"
#include "forms/main/MapView.h"
#include "forms/main/frmMain.h"
#include "forms/profiles/frmProfiles.h"
#include "modules/Session.h"
#include "modules/progress/ProgressStore.h"
#include "support/RecordedServices.h"
#include "support/TestInstall.h"
#include "ShownWindow.h"

#include <QAction>
#include <QJsonArray>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

namespace {

const QString kCaldora = QStringLiteral("[caves]\n"
                                        "Wolfshöhle=512,384\n"
                                        "Grotte=100,100,*\n");

bool greyish(QRgb p)
{
    return std::abs(qRed(p) - qGreen(p)) < 12 && std::abs(qGreen(p) - qBlue(p)) < 12 && qRed(p) > 150;
}

bool greenish(QRgb p) { return qGreen(p) > qRed(p) + 30 && qGreen(p) > qBlue(p) + 30; }

} // namespace

class TestProgressForms : public QObject
{
    Q_OBJECT

    Session m_session;
    TestInstall m_install;
    std::unique_ptr<Services> m_services = RecordingServices();
    std::unique_ptr<frmMain> m_main;

    QPoint centreOf(const ControlState& c)
    {
        const QRect r = TwipsGeometry::ToPixels(c.left, c.top, c.width, c.height);
        return m_main->mapView()->mapFrom(m_main->mapArea(), r.center());
    }
    QRgb pixelAt(const ControlState& c)
    {
        const QRect r = TwipsGeometry::ToPixels(c.left, c.top, c.width, c.height);
        return m_main->renderMapArea().pixel(r.center());
    }
    // The found look where a marker is drawn: a grey figure with a green check.
    bool looksFound(const ControlState& c)
    {
        const QRect r = TwipsGeometry::ToPixels(c.left, c.top, c.width, c.height);
        const QImage area = m_main->renderMapArea();
        int grey = 0, green = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                grey += greyish(area.pixel(x, y));
                green += greenish(area.pixel(x, y));
            }
        return grey >= 8 && green >= 3;
    }
    void rightClick(const QPoint& at)
    {
        QTest::mouseMove(m_main->mapView(), at);
        QTest::mouseClick(m_main->windowHandle(), Qt::RightButton, {},
                          m_main->mapView()->mapTo(m_main.get(), at));
    }
    QMenu* markerMenu() { return m_main->menu("mxMarkerMenu"); }

private slots:
    void initTestCase()
    {
        m_session.progressFile = m_install.file("user/progress.sqlite");
        m_main = StartShownWindow(m_session, *m_services, m_install, kCaldora,
                                  QStringLiteral("[info]\nwolfshöhle=Hier wohnen Wölfe.\n"));
        QVERIFY(m_main);
        ShowCaldoraCaves(*m_main, false);
    }

    void markerMenuMarksHidesAndBringsBack()
    {
        const MarkerState& dot = m_main->display().DOT[0];
        const QRgb before = pixelAt(dot);
        QVERIFY(!looksFound(dot));
        QCOMPARE(m_main->action("mxFoundCount")->text(), QString("0 / 2"));

        // A right click on the marker opens the marker menu (recorded, not shown, with the
        // recording services), not the map's menu; its entry acts on that marker.
        rightClick(centreOf(dot));
        QCOMPARE(m_main->lastPopupMenu(), QString("mxMarkerMenu"));
        QVERIFY(m_main->action("mxNotFound")->isChecked());
        QCOMPARE(markerMenu()->actions().first(), m_main->action("mxFound"));
        m_main->action("mxFound")->trigger();
        QVERIFY(dot.found && m_main->display().lblDOT[0].found);
        QVERIFY(m_main->progress().isFound({"caldora", "Wolfshöhle"}));
        QVERIFY(looksFound(dot));
        QCOMPARE(m_main->action("mxFoundCount")->text(), QString("1 / 2"));
        QVERIFY(m_main->action("mxFoundCount")->isVisible());

        // The name label's menu reaches the same entity.
        rightClick(centreOf(m_main->display().lblDOT[0]));
        QCOMPARE(m_main->lastPopupMenu(), QString("mxMarkerMenu"));
        QVERIFY(m_main->action("mxFound")->isChecked());

        m_main->action("mxHideFound")->trigger();
        QVERIFY(m_main->action("mxHideFound")->isChecked());
        QVERIFY(!dot.visible && !m_main->display().lblDOT[0].visible);
        QVERIFY(!looksFound(dot));
        // Off the markers the right button still opens the map's menu.
        rightClick(centreOf(dot));
        QCOMPARE(m_main->lastPopupMenu(), QString("mnuCaldora"));

        m_main->action("mxHideFound")->trigger();
        QVERIFY(dot.visible && looksFound(dot));
        QVERIFY(m_main->chooseOnMarker({LayerHit::Kind::Dot, 0}, frmMain::MarkerChoice::NotFound));
        QCOMPARE(pixelAt(dot), before);
        // "Information" is the double click: the information window of the entity.
        QVERIFY(m_main->chooseOnMarker({LayerHit::Kind::Dot, 0}, frmMain::MarkerChoice::Information));
        QCOMPARE(m_services->record.dialogs().last()["name"].toString(), QString("frmInfo"));
        QCOMPARE(m_main->display().InfoSubject, QString("Wolfshöhle"));
    }

    void profilesDialog()
    {
        ProgressStore store(m_install.file("profiles/progress.sqlite"));
        QVERIFY(store.setFound({"caldora", "Grotte"}, true));
        frmProfiles dialog(m_session.language, store);
        QCOMPARE(dialog.mxProfileList->count(), 1);
        QVERIFY(!dialog.mxProfileDelete->isEnabled()); // the last one stays
        QVERIFY(dialog.createProfile("Aldric"));
        QCOMPARE(store.currentProfile(), QString("Aldric"));
        QVERIFY(dialog.mxProfileList->currentItem()->font().bold());
        QVERIFY(dialog.mxProfileCurrent->text().contains("Aldric"));
        QVERIFY(dialog.mxProfileDelete->isEnabled());
        QVERIFY(!dialog.createProfile("Aldric"));
        QVERIFY(dialog.renameSelected("Aldric der Alte"));
        QCOMPARE(store.currentProfile(), QString("Aldric der Alte"));
        QVERIFY(dialog.select("Standard"));
        QVERIFY(dialog.useSelected());
        QVERIFY(store.isFound({"caldora", "Grotte"}));
        const QString file = m_install.file("standard.json");
        QVERIFY(dialog.exportTo(file));
        QVERIFY(dialog.select("Aldric der Alte"));
        QVERIFY(dialog.deleteSelected());
        QCOMPARE(dialog.mxProfileList->count(), 1);
        QVERIFY(dialog.createProfile("Brynja"));
        QVERIFY(dialog.importFrom(file, false));
        QVERIFY(store.isFound({"caldora", "Grotte"}));
    }

    void huntListAsPdf()
    {
        HuntList list;
        list.title = "Caldora: Höhlen";
        for (int i = 0; i < 60; ++i)
            list.entries.append({{"caldora", QString("Ort %1").arg(i)}, QString("Ort %1").arg(i),
                                 QPoint(i * 10, i * 5), i % 3 == 0, "Eine Zeile Beschreibung."});
        const QString pdf = m_install.file("list.pdf");
        {
            QPdfWriter writer(pdf);
            writer.setPageSize(QPageSize(QPageSize::A4));
            QCOMPARE(HuntListPrint::Paint(writer, list, "Aldric", m_session.language), 3);
        }
        QVERIFY(QFileInfo(pdf).size() > 1000);
        // Read back: the first page has ink on it.
        if (!QStandardPaths::findExecutable("pdftoppm").isEmpty()) {
            QProcess p;
            p.start("pdftoppm", {"-png", "-r", "40", "-f", "1", "-l", "1", pdf, m_install.file("page")});
            QVERIFY(p.waitForFinished(30000));
            const QImage page(m_install.file("page-1.png"));
            QVERIFY(!page.isNull());
            int dark = 0;
            for (int y = 0; y < page.height(); ++y)
                for (int x = 0; x < page.width(); ++x)
                    dark += qGray(page.pixel(x, y)) < 128;
            QVERIFY(dark > 200);
        }

        // The dialog: the shown category, on the PDF printer, recorded as printed.
        auto services = RecordingServices();
        frmHuntList dialog(m_session.language, [&] { return list; }, [] { return HuntList(); }, "Aldric",
                           *services->printers, services->record);
        QVERIFY(dialog.mxHuntShown->isChecked());
        QVERIFY(!dialog.mxHuntMap->isEnabled());
        QVERIFY(dialog.printOn("PDF", m_install.file("dialog.pdf")));
        QVERIFY(QFile::exists(m_install.file("dialog.pdf")));
        QCOMPARE(services->record.printed().last()["file"].toString(), m_install.file("dialog.pdf"));
    }
};

QTEST_MAIN(TestProgressForms)
#include "test_progressforms.moc"
