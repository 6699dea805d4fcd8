#pragma once

#include "generate/GenerateChecks.h"
#include "generate/MenuCodeGenerator.h"
#include "mainwindow/TwipScale.h"
#include "model/MenuProject.h"
#include "subclass/ISubclass.h"

#include <QHash>
#include <QList>
#include <QMainWindow>

class QAction;
class QPushButton;
class QStatusBar;
class QToolBar;

namespace saveload {
class CSaveLoad;
}

namespace style {
class AdvMenuvals;
}

namespace mainwindow {

class ItemEditor;
class ItemListPanel;
class LoadingWindow;
class OptionsPanel;

// The main window. Its controls are the open project: the item list, the options panel and the
// committed style values. The recent-file entries are recentfile0 ... recentfile4.
class Form1 : public QMainWindow, public subclass::ISubclass {
    Q_OBJECT

  public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // The project as the controls hold it.
    model::MenuProject BuildProject() const;
    model::ProjectFlags& Flags() { return flags; }
    // Makes the open project a new, empty one with every default.
    void ResetProject();
    // The project file commands: new, load, save, recent files, the command line.
    saveload::CSaveLoad& SaveLoad() const { return *saveLoad; }
    // Loaded style values into the style windows; a font that is not installed is told once per
    // window and keeps the default.
    void ApplyStyles(const model::MenuStyle& menu, const model::ButtonStyle& button);
    // What both style windows show becomes the committed style values.
    void StoreAdvValues();
    // The item editor emptied for the next entry, with the focus in its text.
    void PrepareItemEditor();
    const TwipScale& Scale() const { return scale; }

    // Resize handling of the client area.
    subclass::MsgResponse GetMsgResponse() override;
    void SetMsgResponse(subclass::MsgResponse response) override;
    bool WindowProc(QObject* window, QEvent* event) override;

    // The last step of start-up: the tip of the day, unless the user switched it off.
    void ShowStartupTip();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void CreateControls();
    void CreateMenus();
    void CreateToolbar();
    void ConnectCommands();
    void PlaceControls();
    void LayoutMainWindow(const QSize& client);
    void RunToolbarKey(const QString& key);
    void GenerateCode(generate::CodeTarget target);
    void ShowCheckFailure(const generate::CheckFailure& failure);
    void SetUpHelp();
    void LoadStyleWindows(LoadingWindow& loading);

    model::ProjectFlags flags;
    style::AdvMenuvals* advMenuvals = nullptr;
    subclass::MsgResponse storedMsgResponse = subclass::MsgResponse::RunPreviousBefore;
    TwipScale scale;
    int listShift = 0; // room the list frame's title needs beyond the designed top of the list
    int showTipsAtStartup = 1; // 0: no tip of the day at start-up

    QWidget* client = nullptr;
    QToolBar* toolbar1 = nullptr;
    ItemEditor* frame1 = nullptr;
    ItemListPanel* frame2 = nullptr;
    OptionsPanel* sstab1 = nullptr;
    QPushButton* command1 = nullptr;
    QPushButton* command2 = nullptr;
    QStatusBar* statusBar1 = nullptr;

    saveload::CSaveLoad* saveLoad = nullptr;
    QHash<QString, QAction*> menuCommands; // by toolbar key
    QList<QAction*> projectCommands;       // available while the list holds a row
};

} // namespace mainwindow
