#include "project/ProjectFile.h"
#include "support/LargeProject.h"

#include <benchmark/benchmark.h>

namespace {

using bench::ProjectOfSize;

void BM_ProjectFileWrite(benchmark::State& state) {
    const auto project = ProjectOfSize(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(project::WriteProjectText(project));
    }
    state.SetComplexityN(state.range(0));
}

void BM_ProjectFileRead(benchmark::State& state) {
    const auto base = model::NewProject(model::PlainStyleDefaults());
    const std::string text = project::WriteProjectText(ProjectOfSize(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(project::ReadProjectText(text, base));
    }
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(BM_ProjectFileWrite)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_ProjectFileRead)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
