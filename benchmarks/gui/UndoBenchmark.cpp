// The history of the main window offscreen: undo and redo of one-row edits on a 5,000-item list,
// the events they cause included, and the memory a step keeps at 500 and at 5,000 items.
#include "Milliseconds.h"
#include "document/ItemEditCommand.h"
#include "document/ItemListModel.h"
#include "document/MenuDocument.h"
#include "mainwindow/MainWindow.h"
#include "support/LargeProject.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QUndoStack>
#include <algorithm>
#include <cstdio>
#include <malloc.h>
#include <vector>

namespace {

constexpr int kSteps = 200;

// A row rewritten, moved and taken out in turn, as the item commands do.
void PushEdits(document::MenuDocument& document) {
    for (int step = 0; step < kSteps; ++step) {
        const int row = 1 + step * 7 % (document.Items().rowCount() - 2);
        auto* edit = new document::ItemEditCommand(document, "edit", row, row);
        model::MenuItem item = document.Items().ItemAt(row);
        switch (step % 3) {
        case 0:
            item.text += " changed";
            edit->Replace(row, item);
            break;
        case 1:
            edit->Move(row, row + 1, item);
            break;
        default:
            edit->Remove(row);
        }
        document.Push(edit);
    }
}

std::size_t HeapInUse() {
    return mallinfo2().uordblks;
}

// The mean and the slowest of one undo (or redo) at a time, with the window's events.
void TimeSteps(QUndoStack& history, bool undo) {
    std::vector<double> times;
    for (int step = 0; step < kSteps; ++step) {
        QElapsedTimer timer;
        timer.start();
        undo ? history.undo() : history.redo();
        QCoreApplication::processEvents();
        times.push_back(Milliseconds(timer));
    }
    double sum = 0;
    for (const double time : times) {
        sum += time;
    }
    std::printf("%s a step at 5,000 items: mean %6.3f ms, slowest %6.3f ms\n",
                undo ? "undo" : "redo", sum / kSteps,
                *std::max_element(times.begin(), times.end()));
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    TestEnvironment environment;
    mainwindow::MainWindow window;
    window.show();
    document::MenuDocument& document = window.Document();
    for (const int items : {500, 5000}) {
        document.Load(bench::ProjectOfSize(items), {});
        QCoreApplication::processEvents();
        const std::size_t before = HeapInUse();
        PushEdits(document);
        QCoreApplication::processEvents();
        std::printf("memory a step keeps at %5d items: %zu bytes\n", items,
                    (HeapInUse() - before) / kSteps);
    }
    TimeSteps(document.History(), true);
    TimeSteps(document.History(), false);
    return 0;
}
