#pragma once
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

// The parsed command line: options, and the actions in the order given.
struct CommandLine
{
    QString home;
    std::optional<QSize> size;
    bool batch = false;
    QString dumpFile;
    QString snapshotFile;
    QString startupLanguage;
    bool hasStartupLanguage = false;
    QString pdfFile;
    std::vector<std::pair<QString, QString>> actions;  // option (without "--"), value
};

// Parses argv; on a malformed command line returns nullopt and sets error.
std::optional<CommandLine> ParseCommandLine(const QStringList& arguments, QString* error);
QString UsageText();

// The program: start-up, actions, dump. Returns the exit code.
int RunKarvenna(int argc, char* argv[]);
