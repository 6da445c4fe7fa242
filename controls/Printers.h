#pragma once
// The printer service. The system's printers come first, in the system's order, then always
// "PDF", which writes the page into a file. KARVENNA_PRINTERS ("NAME1;NAME2", empty for none)
// replaces the system's list when it is set.
#include "platform/Services.h"

#include <QRectF>
#include <QSizeF>

namespace Printers {

QStringList SystemNames();

// Where a picture of this size lands on a device of this resolution (dots per inch).
QRectF PageRect(const QSizeF& logicalPixels, double twipsPerPixelX, double twipsPerPixelY,
                double deviceDpiX, double deviceDpiY);

} // namespace Printers

// A person's printers: the PDF printer asks for the file; prints are recorded too, as the
// dump reports them after an interactive run.
class DesktopPrinters : public PrinterService
{
public:
    explicit DesktopPrinters(BatchRecord& record) : m_record(record) {}

    QStringList names() const override;
    // Prints at the page's on-screen physical size (screen twips to printer units), from
    // the page's top-left corner, cut at the paper's edges.
    bool print(const PrintPage& page, QWidget* parent) override;

private:
    BatchRecord& m_record;
};

// Batch mode: the PDF printer writes pdfFile; other printers are recorded and not sent.
class RecordingPrinters : public PrinterService
{
public:
    RecordingPrinters(BatchRecord& record, const QString& pdfFile)
        : m_record(record), m_pdfFile(pdfFile)
    {
    }

    QStringList names() const override;
    bool print(const PrintPage& page, QWidget* parent) override;

private:
    BatchRecord& m_record;
    QString m_pdfFile;
};
