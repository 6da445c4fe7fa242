#pragma once
// Stand-ins for ShellExecuteA and the process start. Nothing here ever goes through a shell:
// targets are opened as one path or address, command lines are split into argument lists.
#include <QString>
#include <QStringList>
#include <functional>

namespace Shell {

// Opens target like ShellExecuteA(owner, verb, target, "", directory, SW_SHOWNORMAL).
// A target in double quotes is a path; "scheme:" addresses go to the desktop; ".chm" files
// to the registered help viewer. Returns > 32 on success, 2 for a missing file.
// In batch mode the open is recorded and not performed, with the same result.
int ShellExec(const QString& target, const QString& verb = QStringLiteral("open"),
              const QString& directory = QString());

// Starts a process from a command line, no waiting. "mshta.exe" goes to the registered HTML
// viewer. Returns false when nothing could be started. Batch mode records it.
bool StartProcess(const QString& commandLine);

// Splits a command line into program and arguments, honouring double quotes; inside quotes
// "" stands for one quote character.
QStringList ParseCommandLine(const QString& commandLine);
// One argument of a command line, in double quotes, that ParseCommandLine gives back whole.
QString QuoteArgument(const QString& argument);

// Viewers the UI library provides (the core has no windows). A handler gets a file path
// and returns whether it could show it.
using Viewer = std::function<bool(const QString& path)>;
void SetHelpViewer(Viewer viewer);   // compiled HTML help (.chm)
void SetHtmlViewer(Viewer viewer);   // "mshta.exe" pages

} // namespace Shell
