#pragma once

#include <QDialog>

class QProgressBar;

namespace dialogs {

// Form2: shown while the program loads, with a progress bar `pb` for the long steps.
class LoadingWindow : public QDialog {
    Q_OBJECT

  public:
    explicit LoadingWindow(QWidget* owner);

    QProgressBar* Progress() const { return pb; }

  private:
    QProgressBar* pb = nullptr;
};

} // namespace dialogs
