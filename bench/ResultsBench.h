#pragma once
// Benchmarks of the result list on installation L: a keystroke once the index exists, a
// keystroke that has to look at every entity, and the memory the index takes.
namespace ResultsBench {

void Register();

} // namespace ResultsBench
