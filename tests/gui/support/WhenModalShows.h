#pragma once

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

// Runs `act` on the modal window of type T once its loop is running, so a test can drive a
// window that blocks; the flag tells whether such a window was there to act on. A check that
// fails on the way closes the window, so the test ends instead of waiting on it.
template <typename T>
std::shared_ptr<bool> WhenModalShows(std::function<void(T&)> act) {
    auto acted = std::make_shared<bool>(false);
    QTimer::singleShot(0, [act, acted] {
        if (auto* window = qobject_cast<T*>(QApplication::activeModalWidget())) {
            *acted = true;
            act(*window);
            if (QTest::currentTestFailed() && window->isVisible()) {
                static_cast<QDialog*>(window)->done(QDialog::Rejected);
            }
        }
    });
    return acted;
}
