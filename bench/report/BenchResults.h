#pragma once
// Runs karvenna-bench and reads the medians of its JSON output.
#include <QHash>
#include <QStringList>

namespace BenchResults {

// Median CPU time in nanoseconds of every benchmark by its name ("search_first/L"), empty
// when the program could not be run.
// User counters of the median runs come as "name#counter" ("results_memory/L#index_bytes").
QHash<QString, double> Run(const QString& program, const QStringList& arguments);

} // namespace BenchResults
