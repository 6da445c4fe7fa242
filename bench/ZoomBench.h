#pragma once
// Zoom and pan on the largest sample map with an 81-entry category: a wheel step, a pan frame
// and a plain repaint at the whole map (the reference), each painted at once; and the memory
// the process holds at zoom 1 and, afterwards, at zoom 8. A step or frame is painted as the
// window would paint it: what it marked dirty, flushed at once.
#include <benchmark/benchmark.h>

namespace ZoomBench {

void WholeMapRepaint(benchmark::State& st);
void ZoomStep(benchmark::State& st);
void PanFrame(benchmark::State& st);
void Memory(benchmark::State& st);

} // namespace ZoomBench
