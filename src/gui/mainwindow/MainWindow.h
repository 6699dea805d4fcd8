#pragma once

#include "generate/MenuCodeGenerator.h"
#include "mainwindow/TwipScale.h"
#include "subclass/ISubclass.h"

#include <QMainWindow>
#include <memory>

class QPushButton;
class QStatusBar;
class QToolBar;

namespace dialogs {
class StyleWindows;
}

namespace document {
class DesktopDefaults;
class MenuDocument;
} // namespace document

namespace preview {
class PreviewDock;
}

namespace mainwindow {

class CommandActions;
class HelpCommands;
class ItemEditor;
class ItemListPanel;
class OptionsPanel;
class ProjectFileCommands;
class RecentFilesMenu;

// Form1, the main window: the item editor, the item list and the options of the open project,
// the live preview beside them, the menus and toolbars of every command, and the resize handling
// of its client area.
class MainWindow : public QMainWindow, public subclass::ISubclass {
    Q_OBJECT

  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    document::MenuDocument& Document() const { return *document; }
    ProjectFileCommands& ProjectFiles() const { return *projectFiles; }
    // The last step of start-up: the tip of the day, unless the user switched it off.
    void ShowStartupTip();

    // Resize handling of the client area.
    subclass::MsgResponse GetMsgResponse() override;
    void SetMsgResponse(subclass::MsgResponse response) override;
    bool WindowProc(QObject* window, QEvent* event) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void CreateControls();
    void ConnectCommands();
    void PlaceControls();
    void LayoutMainWindow(const QSize& client);
    void GenerateCode(generate::CodeTarget target);
    void FollowProjectInPreview();

    std::unique_ptr<document::DesktopDefaults> defaults;
    document::MenuDocument* document = nullptr;
    std::unique_ptr<CommandActions> actions;
    subclass::MsgResponse storedMsgResponse = subclass::MsgResponse::RunPreviousBefore;
    TwipScale scale;
    int listShift = 0; // room the list frame's title needs beyond the designed top of the list

    QWidget* client = nullptr;
    QToolBar* toolbar1 = nullptr;
    ItemEditor* frame1 = nullptr;
    ItemListPanel* frame2 = nullptr;
    OptionsPanel* sstab1 = nullptr;
    QPushButton* command1 = nullptr;
    QPushButton* command2 = nullptr;
    QStatusBar* statusBar1 = nullptr;
    dialogs::StyleWindows* styleWindows = nullptr;
    RecentFilesMenu* recentMenu = nullptr;
    ProjectFileCommands* projectFiles = nullptr;
    HelpCommands* helpCommands = nullptr;
    preview::PreviewDock* previewDock = nullptr;
};

} // namespace mainwindow
