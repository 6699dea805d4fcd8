#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>

// Plays the user's part for the modal windows a test opens, nested ones included: each goes to
// the next step when of its type, which must close it; any other is rejected as by its close
// box, so a window nobody expected fails the test instead of blocking it.
class ModalScript {
  public:
    ModalScript() : state(std::make_shared<State>()) { Schedule(state); }
    ~ModalScript() { state->stopped = true; }
    Q_DISABLE_COPY(ModalScript)

    template <typename T>
    ModalScript& Then(std::function<void(T&)> act) {
        state->steps.push_back({[](QWidget* window) { return qobject_cast<T*>(window) != nullptr; },
                                [act](QWidget* window) { act(*qobject_cast<T*>(window)); }});
        return *this;
    }

    // Every step ran, and no other window came or was left open.
    bool Done() const { return state->steps.empty() && !state->unexpected; }

  private:
    struct Step {
        std::function<bool(QWidget*)> matches;
        std::function<void(QWidget*)> act;
    };
    struct State {
        std::deque<Step> steps;
        // The windows steps are acting on: left to them while they wait for something.
        QList<QWidget*> acting;
        bool unexpected = false, stopped = false;
    };

    // A fresh single shot for every look, so a step that opens a nested window is served too.
    static void Schedule(const std::shared_ptr<State>& state) {
        QTimer::singleShot(5, [state] {
            if (state->stopped) {
                return;
            }
            Schedule(state);
            QPointer<QWidget> window = QApplication::activeModalWidget();
            if (window == nullptr || !window->isVisible() || state->acting.contains(window)) {
                return;
            }
            if (!state->steps.empty() && state->steps.front().matches(window)) {
                const Step step = state->steps.front();
                state->steps.pop_front();
                state->acting.append(window);
                step.act(window);
                state->acting.removeLast();
            }
            if (window != nullptr && window->isVisible()) {
                state->unexpected = true;
                static_cast<QDialog*>(window.data())->reject();
            }
        });
    }

    std::shared_ptr<State> state;
};

// Runs `act` on the modal T that `open` shows; false when none or another came, or it stayed open.
template <typename T>
bool WhenShown(const std::function<void()>& open, std::function<void(T&)> act) {
    ModalScript user;
    user.Then<T>(std::move(act));
    open();
    return user.Done();
}
