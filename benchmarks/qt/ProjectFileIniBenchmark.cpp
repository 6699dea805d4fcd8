// Saving and loading a 10,000-item project file, and reading the same file through QSettings in
// INI format. Every read gets a fresh copy of the file, so QSettings cannot answer from its cache
// of files it has seen.
#include "project/ProjectFile.h"
#include "support/LargeProject.h"

#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fstream>
#include <string>
#include <utility>

namespace {

class FileCopies {
  public:
    explicit FileCopies(std::string projectText) : bytes(std::move(projectText)) {}

    // A new file holding the project, outside the timing.
    std::string Next(benchmark::State& state) {
        state.PauseTiming();
        const std::string path = folder.filePath(QString("copy%1.qvp").arg(++count)).toStdString();
        std::ofstream(path, std::ios::binary) << bytes;
        state.ResumeTiming();
        return path;
    }

  private:
    QTemporaryDir folder;
    std::string bytes;
    int count = 0;
};

std::string LargeProjectText() {
    return project::WriteProjectText(bench::ProjectOfSize(bench::kLargeProjectItems));
}

void BM_SaveProjectFile(benchmark::State& state) {
    const auto project = bench::ProjectOfSize(bench::kLargeProjectItems);
    QTemporaryDir folder;
    const std::string path = folder.filePath("large.qvp").toStdString();
    for (auto _ : state) {
        benchmark::DoNotOptimize(project::SaveProjectFile(path, project));
    }
}

void BM_LoadProjectFile(benchmark::State& state) {
    const auto base = model::NewProject(model::PlainStyleDefaults());
    FileCopies copies(LargeProjectText());
    std::size_t items = 0;
    for (auto _ : state) {
        const auto loaded = project::LoadProjectFile(copies.Next(state), base);
        items = loaded ? loaded->items.size() : 0;
        benchmark::DoNotOptimize(items);
    }
    state.counters["items"] = static_cast<double>(items);
}

// Every value read, as the project reader reads every key.
void BM_QSettingsIniRead(benchmark::State& state) {
    FileCopies copies(LargeProjectText());
    qsizetype keys = 0;
    for (auto _ : state) {
        QSettings settings(QString::fromStdString(copies.Next(state)), QSettings::IniFormat);
        const QStringList all = settings.allKeys();
        for (const QString& key : all) {
            benchmark::DoNotOptimize(settings.value(key));
        }
        keys = all.size();
    }
    state.counters["keys"] = static_cast<double>(keys);
}

} // namespace

BENCHMARK(BM_SaveProjectFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadProjectFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QSettingsIniRead)->Unit(benchmark::kMillisecond);
