#include "import/ImportSource.h"
#include "import/MenuRows.h"
#include "support/BookmarksFile.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

// From the file on disk to the rows the list would get: what the import of a user waits for.
void BM_ImportBookmarksFile(benchmark::State& state) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("quorvane-bench-bookmarks-" + std::to_string(::getpid()) + ".html");
    std::ofstream(path, std::ios::binary) << bench::BookmarksFile(static_cast<int>(state.range(0)));
    std::size_t rows = 0;
    for (auto _ : state) {
        const auto result = importing::ImportPath(path, {});
        rows = importing::RowsForMenu(result.groups, {}, {}).rows.size();
        benchmark::DoNotOptimize(rows);
    }
    std::filesystem::remove(path);
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_ImportBookmarksFile)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
