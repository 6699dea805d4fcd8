// The import window on a 10,000-link bookmarks file, offscreen: from the read asked for to the
// links shown in the tree, the longest the interface thread was busy meanwhile, and "Add to Menu"
// with the rows drawn in the list. Fails when the window would not answer within the limit.
#include "Milliseconds.h"
#include "dialogs/ImportDialog.h"
#include "document/ItemListModel.h"
#include "document/MenuDocument.h"
#include "mainwindow/MainWindow.h"
#include "support/BookmarksFile.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kLinks = 10000;
constexpr int kRuns = 5;
constexpr double kBusyLimitMs = 100.0;

struct Run {
    double shown = 0;
    double busy = 0;
    double added = 0;
};

Run ImportOnce(const QString& path) {
    mainwindow::MainWindow form;
    form.show();
    dialogs::ImportDialog dialog(form.Document(), std::nullopt, &form);
    dialog.show();
    QCoreApplication::processEvents();

    // A tick every millisecond: the longest gap between two is the longest the thread was busy.
    Run run;
    QElapsedTimer sinceTick;
    QTimer tick;
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        run.busy = std::max(run.busy, Milliseconds(sinceTick));
        sinceTick.restart();
    });
    QEventLoop loop;
    QObject::connect(&dialog, &dialogs::ImportDialog::linksRead, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    sinceTick.start();
    tick.start();
    dialog.ReadSource(path);
    loop.exec();
    QCoreApplication::processEvents();
    run.busy = std::max(run.busy, Milliseconds(sinceTick));
    run.shown = Milliseconds(timer);
    tick.stop();

    timer.restart();
    dialog.findChild<QPushButton*>("cmdAdd")->click();
    QCoreApplication::processEvents();
    run.added = Milliseconds(timer);
    if (form.Document().Items().rowCount() < kLinks) {
        std::printf("the links were not added\n");
    }
    return run;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    TestEnvironment environment;
    const QString path = environment.path("bookmarks.html");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QByteArray::fromStdString(bench::BookmarksFile(kLinks))) < 0) {
        std::printf("cannot write %s\n", qPrintable(path));
        return 1;
    }
    file.close();

    double worstBusy = 0;
    std::printf("%-4s %16s %16s %22s\n", "run", "links shown ms", "longest busy ms",
                "added and drawn ms");
    for (int number = 1; number <= kRuns; ++number) {
        const Run run = ImportOnce(path);
        worstBusy = std::max(worstBusy, run.busy);
        std::printf("%-4d %16.1f %16.1f %22.1f\n", number, run.shown, run.busy, run.added);
    }
    return worstBusy <= kBusyLimitMs ? 0 : 1;
}
