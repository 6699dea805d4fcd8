#include "import/ImportSource.h"
#include "import/MenuRows.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

// A browser's export: 100 folders, some nested in others, of 100 links each, with the dates and
// icons browsers write.
std::string BookmarksFile(int links) {
    std::string html = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<META HTTP-EQUIV=\"Content-Type\" "
                       "CONTENT=\"text/html; charset=UTF-8\">\n<TITLE>Bookmarks</TITLE>\n"
                       "<H1>Bookmarks</H1>\n<DL><p>\n";
    for (int i = 0; i < links; ++i) {
        const auto n = std::to_string(i);
        // Every second folder opens inside the one before; both close together.
        if (i % 100 == 0) {
            html += "<DT><H3 ADD_DATE=\"1700000000\">Folder " + n + "</H3>\n<DL><p>\n";
        }
        html += "<DT><A HREF=\"https://www.example.org/section/" + n +
                "/page.html?ref=bookmark&amp;id=" + n +
                "\" ADD_DATE=\"1700000000\" ICON=\"data:image/png;base64,iVBORw0KGgo=\">Page " + n +
                " &ndash; example</A>\n";
        if (i % 200 == 199) {
            html += "</DL><p>\n</DL><p>\n";
        }
    }
    return html + "</DL><p>\n";
}

// From the file on disk to the rows the list would get: what the import of a user waits for.
void BM_ImportBookmarksFile(benchmark::State& state) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("quorvane-bench-bookmarks-" + std::to_string(::getpid()) + ".html");
    std::ofstream(path, std::ios::binary) << BookmarksFile(static_cast<int>(state.range(0)));
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
