#pragma once
// The program's contact with the desktop: opening documents and starting programs, sound,
// printers, message boxes and modal dialogs. A person's run uses the desktop implementations;
// batch mode and the tests use the recording ones, which write into a BatchRecord instead.
// main() chooses once and passes the pieces down; nothing here is global.
#include "platform/BatchRecord.h"

#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QDialog;
class QWidget;

// ShellExecuteA and process starts. Nothing here ever goes through a shell: targets are opened
// as one path or address, command lines are split into argument lists.
class ShellService
{
public:
    virtual ~ShellService() = default;

    // Opens target like ShellExecuteA(owner, verb, target, "", directory, SW_SHOWNORMAL).
    // A target in double quotes is a path; "scheme:" addresses go to the desktop; ".chm" files
    // to the help viewer. Returns > 32 on success, 2 for a missing file.
    virtual int open(const QString& target, const QString& verb = QStringLiteral("open"),
                     const QString& directory = QString()) = 0;

    // Starts a process from a command line, no waiting. "mshta.exe" goes to the HTML viewer.
    // False when nothing could be started.
    virtual bool start(const QString& commandLine) = 0;
};

// PlaySoundA: a file with SND_ASYNC|SND_LOOP (9) plays looping in the background; an empty
// file name stops what plays. A missing file or no audio device plays nothing, silently.
class SoundService
{
public:
    static constexpr int SND_ASYNC = 0x1;
    static constexpr int SND_LOOP = 0x8;

    virtual ~SoundService() = default;
    virtual void play(const QString& file, int flags) = 0;
};

// What is printed: its size in screen pixels and how to draw it at that size on any device, so
// that a printer gets lines and text at its own resolution. A picture prints as itself.
struct PrintPage
{
    PrintPage() = default;
    PrintPage(QSize pixels, std::function<void(QPainter&)> draw)
        : size(pixels), paint(std::move(draw))
    {
    }
    PrintPage(const QImage& picture) // NOLINT(google-explicit-constructor): a picture is a page
        : size(picture.deviceIndependentSize().toSize()),
          paint([picture](QPainter& painter) {
              painter.drawImage(QRectF(QPointF(0, 0), picture.deviceIndependentSize()), picture);
          })
    {
    }

    QSize size;
    std::function<void(QPainter&)> paint;
    bool isNull() const { return size.isEmpty() || !paint; }
};

// The printers the print dialog offers and the current printer, kept until the program ends.
class PrinterService
{
public:
    // Orientation values as the printer takes them.
    enum Orientation { Portrait = 1, Landscape = 2 };
    static inline const QString PdfPrinter = QStringLiteral("PDF");

    virtual ~PrinterService() = default;

    // The system's printers in the system's order, then always "PDF".
    virtual QStringList names() const = 0;

    // Prints page on the current printer as one page at its on-screen physical size.
    // The PDF printer writes a file (asked for, or given to the recording printers).
    // False when nothing was printed.
    virtual bool print(const PrintPage& page, QWidget* parent) = 0;

    void setCurrent(const QString& name) { m_current = name; }
    QString current() const { return m_current; }
    void setOrientation(Orientation orientation) { m_orientation = orientation; }
    Orientation orientation() const { return m_orientation; }
    static QString orientationName(Orientation orientation)
    {
        return orientation == Landscape ? QStringLiteral("landscape") : QStringLiteral("portrait");
    }

private:
    QString m_current;
    Orientation m_orientation = Portrait;
};

// Message boxes with one OK button.
class MessageService
{
public:
    enum class Icon { Stop, Information, Critical };

    virtual ~MessageService() = default;
    virtual void show(QWidget* parent, Icon icon, const QString& caption, const QString& text) = 0;
};

// Modal dialogs: exec() for a person. The recording runs record the dialog as it loads, let
// the answer given for it act (or cancel it) and record it again as closed.
class DialogService
{
public:
    using Answer = std::function<void(QDialog* dialog)>;

    virtual ~DialogService() = default;

    // Shows the dialog modally and returns its result code.
    virtual int run(QDialog* dialog) = 0;

    // The next dialog with this object name is answered by answer (recording runs only).
    virtual void answerNext(const QString& dialogName, Answer answer) = 0;
    virtual void clearAnswers() = 0;
};

// One set of services for the whole program, owned by main().
struct Services
{
    Services() = default;
    Services(const Services&) = delete;   // the implementations write into this record
    Services& operator=(const Services&) = delete;

    BatchRecord record;   // what the dump reads; stays empty in a person's run but for prints
    bool batch = false;   // true: the recording implementations, nothing reaches the desktop
    std::unique_ptr<ShellService> shell;
    std::unique_ptr<SoundService> sound;
    std::unique_ptr<PrinterService> printers;
    std::unique_ptr<MessageService> messages;
    std::unique_ptr<DialogService> dialogs;
};
