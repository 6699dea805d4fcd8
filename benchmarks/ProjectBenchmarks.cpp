#include "model/MenuProject.h"

#include <benchmark/benchmark.h>

static void BM_NewProject(benchmark::State& state) {
    const auto defaults = model::PlainStyleDefaults();
    for (auto _ : state) {
        benchmark::DoNotOptimize(model::NewProject(defaults));
    }
}
BENCHMARK(BM_NewProject);
