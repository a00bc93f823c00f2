// How long one flame frame takes to compute: 9,447 cells, three draws each,
// one pixel each into the picture.
#include "app/FireBuffer.h"

#include <benchmark/benchmark.h>

namespace {

void BM_FlameFrame(benchmark::State& state) {
    quelmar::FireBuffer fire;
    quelmar::BasicRandom random;
    quelmar::FireBuffer::Picture picture{};
    for (auto _ : state) {
        fire.frame(random, picture);
        benchmark::DoNotOptimize(picture.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 47 * 201);
}
BENCHMARK(BM_FlameFrame)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
