#pragma once
// The shell service: ShellExecuteA and process starts, for a person (DesktopShell) and for
// batch mode (RecordingShell, which records and performs nothing but answers alike).
#include "platform/Services.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace Shell {

// Splits a command line into program and arguments, honouring double quotes; inside quotes
// "" stands for one quote character.
QStringList ParseCommandLine(const QString& commandLine);
// One argument of a command line, in double quotes, that ParseCommandLine gives back whole.
QString QuoteArgument(const QString& argument);

// A viewer the UI library provides (the core has no windows): gets a file path and returns
// whether it could show it.
using Viewer = std::function<bool(const QString& path)>;

} // namespace Shell

class DesktopShell : public ShellService
{
public:
    // helpViewer shows compiled HTML help (.chm), htmlViewer "mshta.exe" pages; either may be
    // empty, and then those documents cannot be opened.
    DesktopShell(Shell::Viewer helpViewer, Shell::Viewer htmlViewer);

    int open(const QString& target, const QString& verb = QStringLiteral("open"),
             const QString& directory = QString()) override;
    bool start(const QString& commandLine) override;

private:
    Shell::Viewer m_helpViewer;
    Shell::Viewer m_htmlViewer;
};

class RecordingShell : public ShellService
{
public:
    explicit RecordingShell(BatchRecord& record) : m_record(record) {}

    // Records the open; returns what the desktop's would, so that fallbacks run as for a person.
    int open(const QString& target, const QString& verb = QStringLiteral("open"),
             const QString& directory = QString()) override;
    bool start(const QString& commandLine) override;

private:
    BatchRecord& m_record;
};
