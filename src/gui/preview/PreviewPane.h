#pragma once

#include "model/MenuProject.h"

#include <QWidget>
#include <functional>

class QLabel;
class QStackedWidget;
class QTimer;

namespace preview {

class PreviewView;

// The menu as the generated code shows it in a browser engine: the page "Preview Menu in
// Browser" opens, built from the open project, with a line below it telling where the entry the
// user tries would go. It follows the project after a short pause in typing. Instead of a page
// it shows a hint for an empty list, the message of a failed check, or why the engine is off.
// The engine starts only when the pane is shown with a menu to show; a hidden pane does nothing.
class PreviewPane : public QWidget {
    Q_OBJECT

  public:
    using ProjectSource = std::function<const model::MenuProject&()>;

    explicit PreviewPane(ProjectSource project, QWidget* parent = nullptr);

    // Room for a menu and the line below it.
    QSize sizeHint() const override;

  public slots:
    // The project changed: the pane follows once the changes pause.
    void ProjectChanged();
    // Follows the project at once.
    void Refresh();

  signals:
    // The first frame of the newest page is on the screen.
    void pageDrawn();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void StartEngine();
    void ShowNote(const QString& text);

    ProjectSource project;
    QTimer* pause = nullptr;
    QStackedWidget* pages = nullptr;
    QLabel* note = nullptr;
    QLabel* tried = nullptr;
    PreviewView* view = nullptr;
    QString engineOff; // why there is no view
    bool stale = true; // the project changed since the pane last followed it
};

} // namespace preview
