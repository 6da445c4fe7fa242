#include "controls/Printers.h"

#include "modules/Twips2Pixel_Module.h"
#include "platform/Automation.h"

#include <QFileDialog>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

struct CurrentPrinter
{
    QString name;
    Printers::Orientation orientation = Printers::Portrait;
};

CurrentPrinter& current()
{
    static CurrentPrinter printer;
    return printer;
}

QString askPdfFile(QWidget* parent)
{
    QString file = QFileDialog::getSaveFileName(parent, QObject::tr("Print to PDF"),
                                                QStringLiteral("karte.pdf"),
                                                QObject::tr("PDF documents (*.pdf)"));
    if (!file.isEmpty() && !file.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        file += QStringLiteral(".pdf");
    return file;
}

bool paint(QPrinter& printer, const QImage& picture)
{
    printer.setPageOrientation(current().orientation == Printers::Landscape
                                   ? QPageLayout::Landscape
                                   : QPageLayout::Portrait);
    // Drawn from the paper's corner, not the printable area's.
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF target = Printers::PageRect(picture.deviceIndependentSize(),
                                             Twips2Pixel_Module::TwipsPerPixelX(),
                                             Twips2Pixel_Module::TwipsPerPixelY(),
                                             printer.logicalDpiX(), printer.logicalDpiY());
    painter.drawImage(target, picture);
    return painter.end();
}

} // namespace

namespace Printers {

QStringList SystemNames()
{
    if (qEnvironmentVariableIsSet("KARVENNA_PRINTERS"))
        return qEnvironmentVariable("KARVENNA_PRINTERS").split(QLatin1Char(';'), Qt::SkipEmptyParts);
    return QPrinterInfo::availablePrinterNames();
}

QStringList Names() { return SystemNames() << PdfPrinter; }

void SetCurrent(const QString& name) { current().name = name; }
QString Current() { return current().name; }
void SetOrientation(Orientation orientation) { current().orientation = orientation; }
Orientation CurrentOrientation() { return current().orientation; }

QString OrientationName(Orientation orientation)
{
    return orientation == Landscape ? QStringLiteral("landscape") : QStringLiteral("portrait");
}

QRectF PageRect(const QSizeF& logicalPixels, double twipsPerPixelX, double twipsPerPixelY,
                double deviceDpiX, double deviceDpiY)
{
    const double widthTwips = logicalPixels.width() * twipsPerPixelX;
    const double heightTwips = logicalPixels.height() * twipsPerPixelY;
    return QRectF(0, 0, widthTwips * deviceDpiX / 1440.0, heightTwips * deviceDpiY / 1440.0);
}

bool PrintPicture(const QImage& picture, QWidget* parent)
{
    const QString name = current().name;
    const QString orientation = OrientationName(current().orientation);
    Automation& automation = Automation::instance();
    if (name.isEmpty() || picture.isNull())
        return false;

    if (name == PdfPrinter) {
        const QString file = automation.batch() ? automation.pdfFile : askPdfFile(parent);
        if (file.isEmpty())
            return false;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setDocName(QStringLiteral("Karvenna"));
        if (!paint(printer, picture))
            return false;
        automation.recordPrinted(name, orientation, file);
        return true;
    }

    if (automation.batch()) {
        automation.recordPrinted(name, orientation, QString());
        return true;
    }
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull())
        return false;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Karvenna"));
    if (!printer.isValid() || !paint(printer, picture))
        return false;
    automation.recordPrinted(name, orientation, QString());
    return true;
}

} // namespace Printers
