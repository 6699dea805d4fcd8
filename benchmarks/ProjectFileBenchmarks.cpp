#include "model/MenuProject.h"
#include "project/ProjectFile.h"

#include <benchmark/benchmark.h>

namespace {

// Groups of ten: a heading followed by nine linked items, the first item selected.
model::MenuProject ProjectOfSize(std::int64_t count) {
    model::MenuProject project = model::NewProject(model::PlainStyleDefaults());
    for (std::int64_t n = 0; n < count; ++n) {
        model::MenuItem item;
        const std::string number = std::to_string(n);
        if (n % 10 == 0) {
            item.text = "Group " + number;
            item.heading = model::kYes;
        } else {
            item.text = std::string(model::kIndentMarker) + "Page " + number;
            item.linked = model::kYes;
            item.url = "https://example.org/pages/" + number + ".html";
            item.backColor = "#EEEEEE";
            item.textColor = "#333333";
        }
        project.items.push_back(item);
    }
    if (!project.items.empty()) {
        project.items.front().selected = model::kYes;
    }
    return project;
}

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
