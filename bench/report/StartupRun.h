#pragma once
// Whole-process runs for the start-up benchmark: a program started with
// KARVENNA_EXIT_AFTER_FIRST_PAINT prints the moment of its first paint and ends.
#include <QStringList>
#include <optional>

struct StartupSample
{
    double milliseconds = 0;  // from just before the start to the first paint
    double peakMegabytes = 0; // peak resident memory of the process
};

namespace StartupRun {

// Runs program with arguments and extra environment entries ("NAME=value"); nullopt when it
// does not report a first paint within the timeout.
std::optional<StartupSample> Run(const QString& program, const QStringList& arguments,
                                 const QStringList& environment, int timeoutSeconds = 60);

} // namespace StartupRun
