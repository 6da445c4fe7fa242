#pragma once
// The floor of a first search: every byte of the files read once and split into lines in a
// plain loop. Nothing a search could skip.
#include <QStringList>

namespace Floor {

// Reads each file whole and records where every line starts and ends; returns the number of
// lines so that the work cannot be optimised away.
qint64 ReadAndSplit(const QStringList& files);

} // namespace Floor
