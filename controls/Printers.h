#pragma once
// The printers the print dialog offers and the program-wide current printer.
// The system's printers come first, in the system's order, then always "PDF", which writes
// the page into a file. KARVENNA_PRINTERS ("NAME1;NAME2", empty for none) replaces the
// system's list when it is set.
#include <QImage>
#include <QString>
#include <QStringList>

class QWidget;

namespace Printers {

inline const QString PdfPrinter = QStringLiteral("PDF");

// Orientation values as the printer takes them.
enum Orientation { Portrait = 1, Landscape = 2 };

QStringList SystemNames();
QStringList Names();   // SystemNames() + "PDF"

// The current printer: kept until the program ends.
void SetCurrent(const QString& name);
QString Current();
void SetOrientation(Orientation orientation);
Orientation CurrentOrientation();
QString OrientationName(Orientation orientation);   // "portrait" or "landscape"

// Prints picture on the current printer as one page: at its on-screen physical size (screen
// twips to printer units), from the page's top-left corner, cut at the paper's edges.
// The PDF printer asks for the file (batch mode: Automation's pdfFile). In batch mode other
// printers are recorded and not sent. False when nothing was printed.
bool PrintPicture(const QImage& picture, QWidget* parent = nullptr);

// Where a picture of this size lands on a device of this resolution (dots per inch).
QRectF PageRect(const QSizeF& logicalPixels, double twipsPerPixelX, double twipsPerPixelY,
                double deviceDpiX, double deviceDpiY);

} // namespace Printers
