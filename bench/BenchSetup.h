#pragma once
// What the in-process benchmarks share: where the synthetic installations live, how large
// they are, and the language state each benchmark needs.
#include "Synthetic.h"

#include <QString>
#include <QStringList>

class Session;

namespace BenchSetup {

// Set once from the command line before any benchmark runs.
struct Options
{
    QString dataFolder;  // the installations are generated below it
    bool tiny = false;   // smoke-test sizes
};
Options& options();

enum class Install { L, M, Display };
Synthetic::Size SizeOf(Install install);
// The folder of an installation, generated on first use.
QString Folder(Install install);

// The five data files, then the description file, of an installation.
QStringList DataFiles(Install install);
QString InfoFile(Install install);

// The one session every benchmark of the run works in, as the program has one.
Session& TheSession();

// German interface, or English with the installation's language file and its table cached.
void UseGerman();
void UseEnglish(Install install);

} // namespace BenchSetup
