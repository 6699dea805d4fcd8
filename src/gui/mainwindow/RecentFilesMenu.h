#pragma once

#include <QObject>
#include <array>

class QAction;
class QMenu;

namespace mainwindow {

// The recent project files at the end of the File menu: the separator mnuFileSep3 and the
// entries recentfile0 ... recentfile4, "&1. name" and so on, newest first. An entry once shown
// stays shown for the run.
class RecentFilesMenu : public QObject {
    Q_OBJECT

  public:
    explicit RecentFilesMenu(QMenu* fileMenu);

    // Fills and shows the entries of the stored list.
    void Rebuild();
    // `path` saved or loaded: it becomes the first of the stored list.
    void Update(const QString& path);
    void ShowSeparator();

  signals:
    // Entry k chosen, 1 to 5.
    void recentChosen(int position);

  private:
    QAction* separator = nullptr;
    std::array<QAction*, 5> entries{};
};

} // namespace mainwindow
