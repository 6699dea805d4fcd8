// The live preview pane offscreen: the time from a change of the project to the new page drawn
// for 10 and 1,000 items (with the pause in typing, and at once), the longest the window stays
// busy while a 5,000-item menu is shown, and the memory the pane adds: the program's resident set
// before and after, and that of the web engine's helper processes.
#include "Milliseconds.h"
#include "preview/PreviewPane.h"
#include "preview/WebEngineStart.h"
#include "support/LargeProject.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <unistd.h>

namespace {

constexpr int kRuns = 10;
constexpr int kTimeoutMs = 60000;
constexpr int kTickMs = 5;

// One field of a file under /proc/<pid>, in kB.
long FieldKb(const QString& pid, const char* file, const QByteArray& field) {
    QFile status("/proc/" + pid + '/' + file);
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':')) {
            return line.mid(field.size() + 1).trimmed().split(' ').first().toLong();
        }
    }
    return 0;
}

double Mb(long kb) {
    return static_cast<double>(kb) / 1024.0;
}

// The resident and the proportional set (shared pages split between the processes that map
// them) of every process descended from this one.
void PrintHelpersMemory() {
    QList<QString> family{QString::number(getpid())};
    long rss = 0;
    long pss = 0;
    for (bool grew = true; grew;) {
        grew = false;
        for (const QString& pid : QDir("/proc").entryList({"[0-9]*"}, QDir::Dirs)) {
            const QString parent = QString::number(FieldKb(pid, "status", "PPid"));
            if (!family.contains(pid) && family.contains(parent)) {
                family.append(pid);
                rss += FieldKb(pid, "status", "VmRSS");
                pss += FieldKb(pid, "smaps_rollup", "Pss");
                grew = true;
            }
        }
    }
    std::printf("web engine helper processes (%lld): resident %.0f MB, proportional %.0f MB\n",
                static_cast<long long>(family.size() - 1), Mb(rss), Mb(pss));
}

double OwnMb() {
    return Mb(FieldKb("self", "status", "VmRSS"));
}

// A new project of that size, named so that it passes the checks.
model::MenuProject MenuOfSize(int items) {
    model::MenuProject project = bench::ProjectOfSize(items);
    project.menu.menuName = "Bench";
    return project;
}

// Runs `change` and waits for the pane's next page; the milliseconds it took.
double UntilDrawn(preview::PreviewPane& pane, const std::function<void()>& change) {
    QEventLoop loop;
    QObject::connect(&pane, &preview::PreviewPane::pageDrawn, &loop, &QEventLoop::quit);
    QTimer::singleShot(kTimeoutMs, &loop, [&loop] { loop.exit(1); });
    QElapsedTimer timer;
    timer.start();
    change();
    if (loop.exec() != 0) {
        std::printf("no page drawn within %d s\n", kTimeoutMs / 1000);
        std::exit(1);
    }
    return Milliseconds(timer);
}

// A new project of that size in place of the old, shown at once; the milliseconds it took.
double ShowMenuOfSize(preview::PreviewPane& pane, model::MenuProject& project, int items) {
    return UntilDrawn(pane, [&] {
        project = MenuOfSize(items);
        pane.Refresh();
    });
}

void TimeUpdates(preview::PreviewPane& pane, model::MenuProject& project, int items) {
    ShowMenuOfSize(pane, project, items);
    double paused = 0;
    double direct = 0;
    for (int run = 0; run < kRuns; ++run) {
        project.items[1].text = "   Changed " + std::to_string(run);
        paused += UntilDrawn(pane, [&] { pane.ProjectChanged(); });
        project.items[2].text = "   Changed " + std::to_string(run);
        direct += UntilDrawn(pane, [&] { pane.Refresh(); });
    }
    std::printf("%5d items: change to new frame drawn %7.1f ms (200 ms pause included), "
                "without the pause %7.1f ms\n",
                items, paused / kRuns, direct / kRuns);
}

// The longest time the event loop could not run while the pane shows a large menu.
void TimeLongestStall(preview::PreviewPane& pane, model::MenuProject& project, int items) {
    QElapsedTimer sinceTick;
    double longest = 0;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        longest = std::max(longest, Milliseconds(sinceTick) - kTickMs);
        sinceTick.restart();
    });
    ticks.start(kTickMs);
    sinceTick.start();
    const double ms = ShowMenuOfSize(pane, project, items);
    std::printf("%5d items: shown in %7.1f ms; longest the window was busy %7.1f ms\n", items, ms,
                longest);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    preview::PrepareWebEngine();
    QApplication application(argc, argv);
    TestEnvironment environment;
    preview::KeepWebEngineOff(false);
    if (const QString why = preview::WhyWebEngineCannotStart(); !why.isEmpty()) {
        std::printf("%s\n", qPrintable(why));
        return 1;
    }
    model::MenuProject project = MenuOfSize(10);
    preview::PreviewPane pane([&project]() -> const model::MenuProject& { return project; });
    pane.resize(800, 600);
    const double ownBefore = OwnMb();
    const double first = UntilDrawn(pane, [&] { pane.show(); });
    std::printf("first page, engine started: %7.1f ms\n", first);

    TimeUpdates(pane, project, 10);
    TimeUpdates(pane, project, 1000);
    TimeLongestStall(pane, project, 5000);
    ShowMenuOfSize(pane, project, 1000);
    std::printf("program with a 1,000-item page: resident %.0f MB (%.0f MB before the pane "
                "started its engine)\n",
                OwnMb(), ownBefore);
    PrintHelpersMemory();
    return 0;
}
