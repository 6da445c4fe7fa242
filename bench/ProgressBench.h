#pragma once
// Found progress in the benchmarks: the 81-entry display with half its entries found against
// the same display with nothing found, and one mark.
namespace ProgressBench {

// Shows the 81-entry category (the two maps in turn) in a window whose profile has the first
// half of both categories found (marked) or nothing found, and paints it.
void ShowCategory(bool marked, int turn);
// Marks one entity found or not found in a store of its own; one transaction each.
void Mark(int turn);
// Destroys the windows; before the application object goes.
void Release();

} // namespace ProgressBench
