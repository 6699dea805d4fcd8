#pragma once

#include <QObject>

class QWidget;

namespace mainwindow {

class CommandActions;

// The Help menu of the main window: the help pages, What's This mode, the tip of the day, telling
// friends, the maker's site and the about window.
class HelpCommands : public QObject {
    Q_OBJECT

  public:
    HelpCommands(const CommandActions& actions, QWidget* window);

    // The last step of start-up: the tip of the day, unless the user switched it off.
    void ShowStartupTip();

  private:
    void ShowTip();

    QWidget* window = nullptr;
    int showTipsAtStartup = 1; // 0: no tip of the day at start-up
};

} // namespace mainwindow
