#pragma once

#include "bench/benchmark_position.h"

namespace kalvenor::bench {

// Register the benchmarks of every dimension; the cache lives as long as the run.
void registerEngineBenchmarks(PositionCache& positions);
void registerReferenceBenchmarks(PositionCache& positions);
void registerViewBenchmarks(PositionCache& positions);
void registerTurnBenchmarks(PositionCache& positions);
// The dense boards of bench/dense_positions.h, built when first run.
void registerDenseBenchmarks();
// Keeping the game after a move and as a new base, from the standard opening.
void registerKeepBenchmarks();
// A dense saved game loaded with the computer to move: the load and the reply together.
void registerLoadBenchmarks();

}  // namespace kalvenor::bench
