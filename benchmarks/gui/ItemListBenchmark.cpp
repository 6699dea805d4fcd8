// Builds a 5,000-row menu through "Add", then moves, edits, updates and deletes rows, and prints
// the slowest and the mean time of each command, the events it causes included.
#include "Milliseconds.h"
#include "mainwindow/MainWindow.h"
#include "platform/MessageBoxes.h"
#include "support/TestEnvironment.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kRows = 5000;
constexpr double kLimitMs = 50.0;

class Timings {
  public:
    // The command alone, then with the drawing and the other events it causes.
    void Time(const std::string& command, const std::function<void()>& run) {
        QElapsedTimer timer;
        timer.start();
        run();
        samples[command].push_back(Milliseconds(timer));
        QCoreApplication::processEvents();
        samples[command + " +drawn"].push_back(Milliseconds(timer));
    }

    // True when every command stayed within the limit.
    bool Report() const {
        bool within = true;
        std::printf("%-25s %6s %9s %9s %9s\n", "command", "runs", "mean ms", "p99 ms", "max ms");
        for (const auto& [command, times] : samples) {
            std::vector<double> sorted = times;
            std::sort(sorted.begin(), sorted.end());
            double sum = 0;
            for (const double time : sorted) {
                sum += time;
            }
            const double p99 = sorted[sorted.size() * 99 / 100];
            within = within && sorted.back() <= kLimitMs;
            std::printf("%-25s %6zu %9.3f %9.3f %9.3f\n", command.c_str(), sorted.size(),
                        sum / static_cast<double>(sorted.size()), p99, sorted.back());
        }
        return within;
    }

  private:
    std::map<std::string, std::vector<double>> samples;
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    TestEnvironment environment;
    mainwindow::MainWindow form;
    form.show();
    QCoreApplication::processEvents();

    auto* itemText = form.findChild<QLineEdit*>("itemtexttext");
    auto* link = form.findChild<QLineEdit*>("linktext");
    auto* add = form.findChild<QPushButton*>("additemcmd");
    auto* update = form.findChild<QPushButton*>("cmdup");
    auto* list = form.findChild<QTreeView*>("lv");
    const auto select = [list](int row) { list->setCurrentIndex(list->model()->index(row, 0)); };
    const auto trigger = [&form](const char* key) {
        form.findChild<QAbstractButton*>(key)->click();
    };

    Timings timings;
    for (int row = 0; row < kRows; ++row) {
        itemText->setText(QString("Item %1").arg(row));
        link->setText(QString("page%1.html").arg(row));
        // By thousands, to show how the cost grows with the list.
        const std::string rows =
            std::to_string(row / 1000 * 1000 + 1) + "-" + std::to_string(row / 1000 * 1000 + 1000);
        timings.Time("add rows " + rows, [add] { add->click(); });
    }
    for (const int row : {1, kRows / 2, kRows - 1}) {
        select(row);
        for (int step = 0; step < 20; ++step) {
            timings.Time("move up", [&] { trigger("movup"); });
            timings.Time("move down", [&] { trigger("movdn"); });
        }
        timings.Time("edit", [&] { trigger("edit"); });
        itemText->setText("Changed");
        timings.Time("update", [update] { update->click(); });
    }
    for (const int row : {0, kRows / 2, kRows - 2}) {
        for (int step = 0; step < 20; ++step) {
            select(std::min(row, list->model()->rowCount() - 1));
            platform::QueueAnswer(platform::MessageAnswer::Yes);
            timings.Time("delete", [&] { trigger("delete"); });
        }
    }
    std::printf("%d rows, then %d\n", kRows, list->model()->rowCount());
    return timings.Report() ? 0 : 1;
}
