#include "controls/Printers.h"

#include "modules/Twips2Pixel_Module.h"

#include <QFileDialog>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

QString askPdfFile(QWidget* parent)
{
    QString file = QFileDialog::getSaveFileName(parent, QObject::tr("Print to PDF"),
                                                QStringLiteral("karte.pdf"),
                                                QObject::tr("PDF documents (*.pdf)"));
    if (!file.isEmpty() && !file.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        file += QStringLiteral(".pdf");
    return file;
}

bool paint(QPrinter& printer, const PrintPage& page, PrinterService::Orientation orientation)
{
    printer.setPageOrientation(orientation == PrinterService::Landscape ? QPageLayout::Landscape
                                                                        : QPageLayout::Portrait);
    // Drawn from the paper's corner, not the printable area's.
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // The page draws itself in screen pixels; one of them is as large on paper as on screen.
    const QRectF target = Printers::PageRect(QSizeF(page.size), Twips2Pixel_Module::TwipsPerPixelX(),
                                             Twips2Pixel_Module::TwipsPerPixelY(),
                                             printer.logicalDpiX(), printer.logicalDpiY());
    painter.scale(target.width() / page.size.width(), target.height() / page.size.height());
    painter.setClipRect(QRect(QPoint(0, 0), page.size));
    page.paint(painter);
    return painter.end();
}

// The PDF printer, the same for a person and in batch mode.
bool printPdf(const PrinterService& printers, BatchRecord& record, const PrintPage& page,
              const QString& file)
{
    if (file.isEmpty())
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QStringLiteral("Karvenna"));
    if (!paint(printer, page, printers.orientation()))
        return false;
    record.recordPrinted(PrinterService::PdfPrinter,
                         PrinterService::orientationName(printers.orientation()), file);
    return true;
}

} // namespace

namespace Printers {

QStringList SystemNames()
{
    if (qEnvironmentVariableIsSet("KARVENNA_PRINTERS"))
        return qEnvironmentVariable("KARVENNA_PRINTERS").split(QLatin1Char(';'), Qt::SkipEmptyParts);
    return QPrinterInfo::availablePrinterNames();
}

QRectF PageRect(const QSizeF& logicalPixels, double twipsPerPixelX, double twipsPerPixelY,
                double deviceDpiX, double deviceDpiY)
{
    const double widthTwips = logicalPixels.width() * twipsPerPixelX;
    const double heightTwips = logicalPixels.height() * twipsPerPixelY;
    return QRectF(0, 0, widthTwips * deviceDpiX / 1440.0, heightTwips * deviceDpiY / 1440.0);
}

} // namespace Printers

QStringList DesktopPrinters::names() const { return Printers::SystemNames() << PdfPrinter; }

bool DesktopPrinters::print(const PrintPage& page, QWidget* parent)
{
    if (current().isEmpty() || page.isNull())
        return false;
    if (current() == PdfPrinter)
        return printPdf(*this, m_record, page, askPdfFile(parent));

    const QPrinterInfo info = QPrinterInfo::printerInfo(current());
    if (info.isNull())
        return false;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Karvenna"));
    if (!printer.isValid() || !paint(printer, page, orientation()))
        return false;
    m_record.recordPrinted(current(), orientationName(orientation()), QString());
    return true;
}

QStringList RecordingPrinters::names() const { return Printers::SystemNames() << PdfPrinter; }

bool RecordingPrinters::print(const PrintPage& page, QWidget*)
{
    if (current().isEmpty() || page.isNull())
        return false;
    if (current() == PdfPrinter)
        return printPdf(*this, m_record, page, m_pdfFile);
    m_record.recordPrinted(current(), orientationName(orientation()), QString());
    return true;
}
