#include "generate/MenuCodeGenerator.h"
#include "model/MenuProject.h"

#include <benchmark/benchmark.h>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

namespace {

// Groups of ten: a heading, then linked items below it, some coloured, one selected.
model::MenuProject ProjectWithItems(std::int64_t count) {
    auto project = model::StartupProject(model::PlainStyleDefaults());
    project.menuStyle.useSystemColors = 0;
    project.items.reserve(static_cast<std::size_t>(count));
    for (std::int64_t i = 0; i < count; ++i) {
        model::MenuItem item;
        const auto number = std::to_string(i);
        if (i % 10 == 0) {
            item.text = "Section " + number;
            item.heading = model::kYes;
        } else {
            item.text = std::string(model::kIndentMarker) + "Page " + number + "  ";
            item.linked = model::kYes;
            item.url = "https://www.example.org/pages/" + number + ".html";
            if (i % 3 == 0) {
                item.backColor = "#FFFFCC";
                item.textColor = "#000080";
            }
        }
        project.items.push_back(std::move(item));
    }
    project.items.back().selected = model::kYes;
    return project;
}

void BM_GenerateMenuCode(benchmark::State& state) {
    const auto project = ProjectWithItems(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(generate::GenerateMenuCode(project, generate::CodeTarget::Clip));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(BM_GenerateMenuCode)->Arg(10'000)->Arg(100'000)->Complexity(benchmark::oN);
