#pragma once
// The command line: options and the actions in the order given. Qt Core only, so that the
// fuzzer can drive it without windows.
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// What a person does, one per action option.
enum class Action {
    Open, Pick, PickIndex, Hover, DoubleClick, Click, RightClick, Resize,
    FindMode, Find, FindCancel, FindAgain, Perks, Language, Extras, Print, About,
    OpenInstallation,
    Zoom, Pan, Declutter,
    FindAll, ShowResult,
    Profile, Mark, Unmark, MarkName, UnmarkName, HideFound, ExportProgress, ImportMode,
    ImportProgress,
};

struct QueuedAction
{
    Action action;
    QString option;   // as given, without "--": refused actions are reported by it
    QString value;
};

struct CommandLine
{
    // Relative paths are already resolved against the start directory.
    QString home;   // empty: the installed default
    std::optional<QSize> size;
    bool batch = false;
    bool check = false;
    bool help = false;
    bool version = false;
    QString dumpFile;
    QString snapshotFile;
    std::optional<QString> startupLanguage;
    QString pdfFile;
    std::vector<QueuedAction> actions;
};

// Parses arguments (the program name first). Relative paths become absolute against
// startDirectory. A malformed command line gives nullopt and says why in error.
std::optional<CommandLine> ParseCommandLine(const QStringList& arguments,
                                            const QString& startDirectory, QString* error);

QString UsageText();    // the synopsis, for malformed command lines
QString HelpText();     // the synopsis and every option
QString VersionText();  // "karvenna <major>.<minor>.<revision>"
