// The print dialog and the printers: order and preselection, the program-wide current
// printer, the texts, and a PDF page that holds the map at its on-screen size.
#include "controls/Printers.h"
#include "modules/Session.h"
#include "forms/print/frmPrint.h"
#include "modules/LOCAL.h"
#include "modules/Twips2Pixel_Module.h"
#include "support/RecordedServices.h"
#include "support/TestInstall.h"

#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>

namespace {

// A picture with a colour per quarter and a mark in each corner, so that a shifted,
// scaled or turned print shows.
QImage knownMap(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, width / 2, height / 2, QColor(200, 30, 30));
    painter.fillRect(width / 2, 0, width - width / 2, height / 2, QColor(30, 160, 30));
    painter.fillRect(0, height / 2, width / 2, height - height / 2, QColor(30, 30, 200));
    painter.fillRect(width / 2, height / 2, width - width / 2, height - height / 2,
                     QColor(230, 200, 40));
    painter.fillRect(0, 0, 10, 10, Qt::black);
    painter.fillRect(width - 10, height - 10, 10, 10, Qt::black);
    return image;
}

bool near(QRgb a, QRgb b, int tolerance = 40)
{
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance
           && qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

// The first page of a PDF as a picture at dpi, or a null picture.
QImage rasterise(const QString& pdf, int dpi, const QString& folder)
{
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {"-r", QString::number(dpi), "-png", "-singlefile", pdf, folder + "/page"});
    if (!pdftoppm.waitForFinished(30000) || pdftoppm.exitCode() != 0)
        return {};
    return QImage(folder + "/page.png");
}

} // namespace

class TestPrint : public QObject
{
    Q_OBJECT

    Session m_session;
    std::unique_ptr<Services> m_services = RecordingServices();

private slots:
    void init()
    {
        m_services = RecordingServices();
        m_session.language = LanguageState();
        qputenv("KARVENNA_PRINTERS", "Alpha;Beta");
    }

    void cleanup() { m_services = RecordingServices(); }

    void listsPrintersInOrderWithThePdfPrinterLast_data()
    {
        QTest::addColumn<QByteArray>("environment");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("two system printers") << QByteArray("Alpha;Beta")
                                             << QStringList{"Alpha", "Beta", "PDF"};
        QTest::newRow("system order kept") << QByteArray("Zeta;Alpha")
                                           << QStringList{"Zeta", "Alpha", "PDF"};
        QTest::newRow("no system printer") << QByteArray("") << QStringList{"PDF"};
    }

    void listsPrintersInOrderWithThePdfPrinterLast()
    {
        QFETCH(QByteArray, environment);
        QFETCH(QStringList, expected);
        qputenv("KARVENNA_PRINTERS", environment);
        frmPrint dialog(m_session.language, {}, *m_services->printers);
        QStringList items;
        for (int i = 0; i < dialog.cboPrinters->count(); ++i)
            items << dialog.cboPrinters->itemText(i);
        QCOMPARE(items, expected);
        QCOMPARE(dialog.cboPrinters->currentIndex(), 0);
        QCOMPARE(m_services->printers->current(), expected.first());
        QVERIFY(dialog.rbQuerformat->isChecked());
        QVERIFY(!dialog.rbHochformat->isChecked());
    }

    void chosenPrinterStaysCurrentButReopeningSelectsTheFirst()
    {
        {
            frmPrint dialog(m_session.language, {}, *m_services->printers);
            dialog.cboPrinters->setCurrentIndex(1);
            QCOMPARE(m_services->printers->current(), QString("Beta"));
            dialog.rbHochformat->click();
            dialog.btnCancel->click();
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
        }
        QCOMPARE(m_services->printers->current(), QString("Beta"));
        QVERIFY(m_services->record.printed().isEmpty());

        frmPrint again(m_session.language, {}, *m_services->printers);
        QCOMPARE(again.cboPrinters->currentText(), QString("Alpha"));
        QCOMPARE(m_services->printers->current(), QString("Alpha"));
        QVERIFY(again.rbQuerformat->isChecked());
    }

    void escapeCancels()
    {
        bool rendered = false;
        frmPrint dialog(
            m_session.language,
            [&rendered] {
                rendered = true;
                return knownMap(40, 30);
            },
            *m_services->printers);
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!rendered);
        QVERIFY(m_services->record.printed().isEmpty());
    }

    void batchRecordsASystemPrinterWithItsOrientation_data()
    {
        QTest::addColumn<QString>("orientation");
        QTest::addColumn<int>("expected");
        QTest::newRow("landscape") << "landscape" << int(PrinterService::Landscape);
        QTest::newRow("portrait") << "portrait" << int(PrinterService::Portrait);
    }

    void batchRecordsASystemPrinterWithItsOrientation()
    {
        QFETCH(QString, orientation);
        QFETCH(int, expected);
        frmPrint dialog(m_session.language, [] { return knownMap(40, 30); }, *m_services->printers);
        QVERIFY(dialog.PrintOn("Beta", orientation));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(int(m_services->printers->orientation()), expected);
        const QJsonArray printed = m_services->record.printed();
        QCOMPARE(printed.size(), 1);
        QCOMPARE(printed[0].toObject()["printer"].toString(), QString("Beta"));
        QCOMPARE(printed[0].toObject()["orientation"].toString(), orientation);
        QCOMPARE(printed[0].toObject()["file"].toString(), QString());
    }

    void unknownPrinterOrOrientationIsNotAnAction()
    {
        frmPrint dialog(m_session.language, {}, *m_services->printers);
        QVERIFY(!dialog.PrintOn("Gamma", "landscape"));
        QVERIFY(!dialog.PrintOn("Alpha", "sideways"));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(m_services->record.printed().isEmpty());
    }

    void germanKeepsTheDesignTexts()
    {
        frmPrint dialog(m_session.language, {}, *m_services->printers);
        QCOMPARE(dialog.windowTitle(), QString("Karte Drucken"));
        QCOMPARE(dialog.lblPrinters->text(), QString("Drucker:"));
        QCOMPARE(dialog.rbQuerformat->text(), QString("&Querformat"));
        QCOMPARE(dialog.rbHochformat->text(), QString("&Hochformat"));
        QCOMPARE(dialog.btnPrint->text(), QString("&Drucken"));
        QCOMPARE(dialog.btnCancel->text(), QString("&Abbrechen"));
        QVERIFY(dialog.imgBanner->pixmap().isNull()
                || dialog.imgBanner->property("picturePath").toString() == ":/print/banner.png");
    }

    void otherLanguagesReadTheirTextsWithEnglishDefaults()
    {
        TestInstall install;
        install.writeText("LANG/Francais/Francais.lng",
                          "[frmPrint]\ncaption=Imprimer\nbuttoncancel=Annuler\n");
        m_session.language.LanguageName = "Francais";
        m_session.language.LanguageFile = install.file("LANG/Francais/Francais.lng");
        frmPrint dialog(m_session.language, {}, *m_services->printers);
        QCOMPARE(dialog.windowTitle(), QString("Imprimer"));
        QCOMPARE(dialog.btnCancel->text(), QString("Annuler"));
        QCOMPARE(dialog.lblPrinters->text(), QString("Printers"));
        QCOMPARE(dialog.rbQuerformat->text(), QString("Landscape"));
        QCOMPARE(dialog.rbHochformat->text(), QString("Portrait"));
        QCOMPARE(dialog.btnPrint->text(), QString("Print"));
    }

    void pageRectKeepsThePhysicalSize_data()
    {
        QTest::addColumn<QSizeF>("pixels");
        QTest::addColumn<double>("twipsPerPixel");
        QTest::addColumn<double>("dpi");
        QTest::addColumn<QRectF>("expected");
        QTest::newRow("96 dpi screen, 1200 dpi printer")
            << QSizeF(960, 480) << 15.0 << 1200.0 << QRectF(0, 0, 12000, 6000);
        QTest::newRow("120 dpi screen, 600 dpi printer")
            << QSizeF(120, 240) << 12.0 << 600.0 << QRectF(0, 0, 600, 1200);
        QTest::newRow("same resolution") << QSizeF(100, 50) << 15.0 << 96.0
                                         << QRectF(0, 0, 100, 50);
    }

    void pageRectKeepsThePhysicalSize()
    {
        QFETCH(QSizeF, pixels);
        QFETCH(double, twipsPerPixel);
        QFETCH(double, dpi);
        QFETCH(QRectF, expected);
        QCOMPARE(Printers::PageRect(pixels, twipsPerPixel, twipsPerPixel, dpi, dpi), expected);
    }

    void pdfPageHoldsTheMapAsOnScreen_data()
    {
        QTest::addColumn<QSize>("mapPixels");
        QTest::addColumn<QString>("orientation");
        QTest::newRow("small map, landscape") << QSize(320, 240) << "landscape";
        QTest::newRow("small map, portrait") << QSize(320, 240) << "portrait";
        QTest::newRow("map wider than the page is cut") << QSize(1800, 300) << "landscape";
    }

    void pdfPageHoldsTheMapAsOnScreen()
    {
        QFETCH(QSize, mapPixels);
        QFETCH(QString, orientation);
        TestInstall install;
        m_services = RecordingServices(install.file("map.pdf"));
        const QImage map = knownMap(mapPixels.width(), mapPixels.height());

        frmPrint dialog(m_session.language, [&map] { return map; }, *m_services->printers);
        QVERIFY(dialog.PrintOn("PDF", orientation));
        const QJsonArray printed = m_services->record.printed();
        QCOMPARE(printed.size(), 1);
        QCOMPARE(printed[0].toObject()["file"].toString(), install.file("map.pdf"));
        QFile pdf(install.file("map.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");

        if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed");
        // At the screen's own resolution one map pixel is one page pixel.
        const int dpi = qRound(1440.0 / Twips2Pixel_Module::TwipsPerPixelX());
        const QImage page = rasterise(install.file("map.pdf"), dpi, install.path());
        QVERIFY(!page.isNull());
        QCOMPARE(page.width() > page.height(), orientation == "landscape");

        // A4 at this resolution, within a pixel of rounding.
        const double longSide = 297 / 25.4 * dpi, shortSide = 210 / 25.4 * dpi;
        QVERIFY(qAbs(qMax(page.width(), page.height()) - longSide) <= 1.5);
        QVERIFY(qAbs(qMin(page.width(), page.height()) - shortSide) <= 1.5);

        const int inset = 4;
        for (const QPoint p : {QPoint(2, 2), QPoint(20, 20), QPoint(map.width() / 2 + 20, 20),
                               QPoint(20, map.height() / 2 + 20),
                               QPoint(map.width() / 2 + 20, map.height() - 20)}) {
            if (p.x() >= page.width() - inset)
                continue;
            QVERIFY2(near(page.pixel(p), map.pixel(p)),
                     qPrintable(QString("at %1,%2").arg(p.x()).arg(p.y())));
        }
        // The map is cut at the paper's edge, never shrunk to fit.
        const int edge = qMin(map.width(), page.width()) - inset;
        QVERIFY(near(page.pixel(edge, 20), map.pixel(edge, 20)));
        if (map.width() < page.width() - inset) {
            QVERIFY(near(page.pixel(map.width() - 3, map.height() - 3), qRgb(0, 0, 0)));
            QVERIFY(near(page.pixel(map.width() + inset, 20), qRgb(255, 255, 255)));
            QVERIFY(near(page.pixel(20, map.height() + inset), qRgb(255, 255, 255)));
        }
    }

    void pdfPrinterWithoutAFileInBatchPrintsNothing()
    {
        frmPrint dialog(m_session.language, [] { return knownMap(40, 30); }, *m_services->printers);
        QVERIFY(dialog.PrintOn("PDF", "landscape"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(m_services->record.printed().isEmpty());
    }
};

QTEST_MAIN(TestPrint)
#include "test_print.moc"
