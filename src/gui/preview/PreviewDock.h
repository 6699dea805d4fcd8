#pragma once

#include "preview/PreviewPane.h"

#include <QDockWidget>

namespace preview {

// The preview pane as a dock of the main window. Its toggle action `mnuPrevPane` is the entry of
// the Preview menu that shows and hides it; QMainWindow::saveState and restoreState remember
// whether it is shown, where, and its size.
class PreviewDock : public QDockWidget {
    Q_OBJECT

  public:
    explicit PreviewDock(PreviewPane::ProjectSource project, QWidget* parent = nullptr);

    PreviewPane* Pane() const { return pane; }

  private:
    PreviewPane* pane = nullptr;
};

} // namespace preview
