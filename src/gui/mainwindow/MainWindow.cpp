#include "mainwindow/MainWindow.h"

#include "dialogs/GeneratedCodeDialog.h"
#include "dialogs/LoadingWindow.h"
#include "dialogs/StyleWindows.h"
#include "document/DesktopDefaults.h"
#include "document/ItemListModel.h"
#include "document/MenuDocument.h"
#include "generate/GenerateChecks.h"
#include "help/WhatsThisTexts.h"
#include "mainwindow/CommandActions.h"
#include "mainwindow/HelpCommands.h"
#include "mainwindow/ImportCommands.h"
#include "mainwindow/ItemCommands.h"
#include "mainwindow/ItemEditor.h"
#include "mainwindow/ItemListPanel.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/LinkTextBox.h"
#include "mainwindow/OptionsPanel.h"
#include "mainwindow/ProjectFileCommands.h"
#include "mainwindow/RecentFilesMenu.h"
#include "model/MakerAddresses.h"
#include "output/CodeFiles.h"
#include "output/Preview.h"
#include "platform/Documents.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramSettings.h"
#include "preview/PreviewDock.h"
#include "subclass/MSubclass.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCompleter>
#include <QFontDatabase>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>

namespace mainwindow {
namespace {

// The options panel and the web-link buttons fill the left column below the item editor.
constexpr layout::TwipRect kOptionsPanel{60, 3120, 5055, 2115};
constexpr layout::TwipRect kCommand1{60, 5295, 5055, 375};
constexpr layout::TwipRect kCommand2{60, 5715, 5055, 375};

layout::TwipSize SizeOf(const layout::TwipRect& rect) {
    return {rect.width, rect.height};
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), defaults(std::make_unique<document::DesktopDefaults>(
                               QApplication::palette(), QFontDatabase::families())),
      document(new document::MenuDocument(
          model::StartupProject(defaults->At(style::FontMoment::Startup)), this)),
      actions(std::make_unique<CommandActions>(this, document->History())) {
    setObjectName("Form1");
    setWindowTitle(tr("Quorvane"));
    setWindowIcon(QIcon(":/icons/quorvane.png"));
    CreateControls();
    recentMenu = new RecentFilesMenu(actions->AddMenus(*this, previewDock->toggleViewAction()));
    projectFiles =
        new ProjectFileCommands(*document, *defaults, *styleWindows, frame1, *recentMenu, this);
    helpCommands = new HelpCommands(*actions, this);
    ConnectCommands();

    // Addresses typed for earlier items complete the link box.
    auto* completer = new QCompleter(&document->Items(), frame1->LinkText());
    completer->setCompletionColumn(document::ItemListModel::kUrl);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    frame1->LinkText()->setCompleter(completer);

    dialogs::LoadingWindow loading(this);
    loading.show();
    loading.repaint();
    subclass::SubclassAttach(*this, client, QEvent::Resize);
    styleWindows->LoadFonts(loading.Progress());
    restoreState(platform::ProgramSettings().WindowState());
    PlaceControls();
    loading.close();

    recentMenu->Rebuild();
    frame1->InitializeColorFields();
    setMinimumSize(size());
    help::ApplyWhatsThis(this);
    FollowProjectInPreview();
}

MainWindow::~MainWindow() {
    subclass::SubclassDetach(*this, client, QEvent::Resize);
}

void MainWindow::CreateControls() {
    client = new QWidget(this);
    client->setObjectName("Form1Client");
    setCentralWidget(client);
    frame1 = new ItemEditor(client);
    frame2 = new ItemListPanel(*document, *actions, client);
    sstab1 = new OptionsPanel(*document, client);
    command1 = new QPushButton(tr("Free Button Graphics from Brindlecote"), client);
    command1->setObjectName("Command1");
    command2 = new QPushButton(tr("Professionally Designed Web Site Templates"), client);
    command2->setObjectName("Command2");
    statusBar1 = new QStatusBar(client);
    statusBar1->setObjectName("StatusBar1");
    toolbar1 = actions->CreateMainToolbar(client);
    styleWindows = new dialogs::StyleWindows(*document, *defaults, this);
    previewDock = new preview::PreviewDock(
        [this]() -> const model::MenuProject& { return document->Project(); }, this);
    addDockWidget(Qt::RightDockWidgetArea, previewDock);
}

// Every change of the project, undo and redo included, reaches the preview through these.
void MainWindow::FollowProjectInPreview() {
    preview::PreviewPane* pane = previewDock->Pane();
    const auto follow = [pane] { pane->ProjectChanged(); };
    const document::ItemListModel* items = &document->Items();
    for (const auto signal :
         {&document::ItemListModel::rowsInserted, &document::ItemListModel::rowsRemoved}) {
        connect(items, signal, pane, follow);
    }
    connect(items, &document::ItemListModel::rowsMoved, pane, follow);
    connect(items, &document::ItemListModel::dataChanged, pane, follow);
    connect(items, &document::ItemListModel::modelReset, pane, follow);
    for (const auto signal :
         {&document::MenuDocument::optionsChanged, &document::MenuDocument::menuStyleChanged,
          &document::MenuDocument::buttonStyleChanged}) {
        connect(document, signal, pane, follow);
    }
}

void MainWindow::ConnectCommands() {
    connect(actions->newProject, &QAction::triggered, projectFiles,
            &ProjectFileCommands::NewCommand);
    connect(actions->loadProject, &QAction::triggered, projectFiles,
            &ProjectFileCommands::LoadCommand);
    connect(actions->saveProject, &QAction::triggered, projectFiles,
            &ProjectFileCommands::SaveProject);
    connect(actions->copyCode, &QAction::triggered, this,
            [this] { GenerateCode(generate::CodeTarget::Clip); });
    connect(actions->saveCode, &QAction::triggered, this,
            [this] { GenerateCode(generate::CodeTarget::File); });
    connect(actions->preview, &QAction::triggered, this,
            [this] { GenerateCode(generate::CodeTarget::Preview); });
    connect(actions->exit, &QAction::triggered, this, &MainWindow::close);
    connect(sstab1->AdvancedMenuButton(), &QPushButton::clicked, styleWindows,
            &dialogs::StyleWindows::OpenMenuStyle);
    connect(sstab1->AdvancedButtonButton(), &QPushButton::clicked, styleWindows,
            &dialogs::StyleWindows::OpenButtonStyle);
    connect(command1, &QPushButton::clicked, this, [this] {
        platform::OpenDocument(this, QString::fromUtf8(model::kMakerSite) + "/buttons/");
    });
    connect(command2, &QPushButton::clicked, this,
            [this] { platform::OpenDocument(this, QString::fromUtf8(model::kTemplateSite)); });
    new ItemCommands(*document, frame1, frame2, *actions, this);
    new ImportCommands(*document, frame2, *actions, this);
}

void MainWindow::ShowStartupTip() {
    helpCommands->ShowStartupTip();
}

void MainWindow::GenerateCode(generate::CodeTarget target) {
    const model::MenuProject& project = document->Project();
    if (const auto failure = generate::CheckBeforeGenerate(project.menu, project.button)) {
        platform::ShowMessage(this, failure->message, platform::MessageButtons::Ok);
        sstab1->FocusField(failure->focusField, failure->selectAll);
        return;
    }
    const generate::MenuCode code = generate::GenerateMenuCode(project, target);
    switch (target) {
    case generate::CodeTarget::Clip:
        // "Save to File" generates afresh from the project, not from the boxes' texts.
        dialogs::GeneratedCodeDialog(this, code, [this] {
            GenerateCode(generate::CodeTarget::File);
        }).exec();
        break;
    case generate::CodeTarget::File:
        output::SaveCodeToFile(this, code);
        break;
    case generate::CodeTarget::Preview:
        output::ShowPreview(this, code, project.menu);
        break;
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!projectFiles->AskToSave(project::ReplacedBy::Closing)) {
        event->ignore();
        return;
    }
    output::DeletePreviewFiles();
    platform::ProgramSettings().SetWindowState(saveState());
    event->accept();
}

void MainWindow::PlaceControls() {
    client->ensurePolished();
    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    const std::pair<QSize, layout::TwipSize> fits[] = {
        {toolbar1->sizeHint(), {layout::kDesignClient.width, layout::kToolbarHeight}},
        {frame1->minimumSizeHint(), SizeOf(layout::kDesignFrame1)},
        {sstab1->minimumSizeHint(), SizeOf(kOptionsPanel)},
        {command1->sizeHint(), SizeOf(kCommand1)},
        {command2->sizeHint(), SizeOf(kCommand2)},
        {frame2->ItemToolbar()->sizeHint(), SizeOf(layout::kDesignItemToolbar)},
        {{0, statusBar1->sizeHint().height()},
         {layout::kDesignClient.width, layout::kStatusBarHeight}},
    };
    double factor = 1.0;
    for (const auto& [needed, designed] : fits) {
        factor = std::max(factor, FitFactor(needed, designed, dpiX, dpiY));
    }
    scale = TwipScale(factor, dpiX, dpiY);
    // The title of a frame takes more room in this style than the design left for it; the list
    // and its toolbar move down by the difference rather than enlarging everything for it.
    listShift = std::max(0, frame2->contentsMargins().top() - scale.Y(layout::kDesignList.top));

    frame1->setGeometry(scale.Rect(layout::kDesignFrame1));
    sstab1->setGeometry(scale.Rect(kOptionsPanel));
    command1->setGeometry(scale.Rect(kCommand1));
    command2->setGeometry(scale.Rect(kCommand2));
    const QSize clientSize = scale.Size(layout::kDesignClient);
    LayoutMainWindow(clientSize);
    // The live preview takes its room beside the designed client area, never from it.
    client->setMinimumSize(clientSize);
    resize(sizeHint().expandedTo(
        {clientSize.width(), clientSize.height() + menuBar()->sizeHint().height()}));
}

void MainWindow::LayoutMainWindow(const QSize& clientSize) {
    const auto area = layout::LayoutMainWindow(layout::OuterSize(scale.Twips(clientSize)));
    frame2->setGeometry(scale.Rect(area.frame2));
    frame2->List()->setGeometry(scale.Rect(area.list).translated(0, listShift));
    frame2->ItemToolbar()->setGeometry(scale.Rect(area.toolbar).translated(0, listShift));
    // The main toolbar and the status bar keep to the top and bottom edges.
    toolbar1->setGeometry(0, 0, clientSize.width(), scale.Y(layout::kToolbarHeight));
    const int statusHeight = scale.Y(layout::kStatusBarHeight);
    statusBar1->setGeometry(0, clientSize.height() - statusHeight, clientSize.width(),
                            statusHeight);
}

subclass::MsgResponse MainWindow::GetMsgResponse() {
    return storedMsgResponse;
}

void MainWindow::SetMsgResponse(subclass::MsgResponse response) {
    storedMsgResponse = response;
}

void MainWindow::changeEvent(QEvent* event) {
    // A size that changed while the window was minimized is laid out when it comes back.
    if (event->type() == QEvent::WindowStateChange && !isMinimized()) {
        LayoutMainWindow(client->size());
    }
    QMainWindow::changeEvent(event);
}

bool MainWindow::WindowProc(QObject*, QEvent* event) {
    if (isMinimized()) {
        return false;
    }
    LayoutMainWindow(static_cast<QResizeEvent*>(event)->size());
    return true;
}

} // namespace mainwindow
