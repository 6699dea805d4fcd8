#include "mainwindow/Form1.h"

#include "generate/CodeOutputWindows.h"
#include "mainwindow/ItemCommands.h"
#include "mainwindow/ItemEditor.h"
#include "mainwindow/ItemListModel.h"
#include "mainwindow/ItemListPanel.h"
#include "mainwindow/LinkTextBox.h"
#include "mainwindow/LoadingWindow.h"
#include "mainwindow/OptionsPanel.h"
#include "model/MakerAddresses.h"
#include "platform/Documents.h"
#include "platform/MessageBoxes.h"
#include "project/SaveLoad.h"
#include "style/AdvMenuvals.h"
#include "subclass/MSubclass.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCompleter>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

namespace mainwindow {

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
    setObjectName("Form1");
    setWindowTitle(tr("Quorvane"));
    setWindowIcon(QIcon(":/icons/quorvane.png"));
    CreateControls();
    CreateMenus();
    CreateToolbar();
    ConnectCommands();
    saveLoad = new saveload::CSaveLoad(*this);

    // Addresses typed for earlier items complete the link box.
    auto* completer = new QCompleter(frame2->Model(), frame1->LinkText());
    completer->setCompletionColumn(ItemListModel::kUrl);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    frame1->LinkText()->setCompleter(completer);

    sstab1->ChooseButtonKind(model::ButtonKind::Standard);
    sstab1->ChooseNavigation(model::Navigation::OnButtonClick);

    LoadingWindow loading(this);
    loading.show();
    loading.repaint();
    subclass::SubclassAttach(*this, client, QEvent::Resize);
    LoadStyleWindows(loading);
    PlaceControls();
    sstab1->ChooseButtonAlign(model::ButtonAlign::Middle);
    loading.close();

    sstab1->ChooseLinkTarget(model::LinkTarget::SameWindow);
    saveLoad->RebuildRecentMenu();
    frame1->InitializeColorFields();
    StoreAdvValues();
    setMinimumSize(size());
    SetUpHelp();
}

Form1::~Form1() {
    subclass::SubclassDetach(*this, client, QEvent::Resize);
}

void Form1::CreateControls() {
    client = new QWidget(this);
    client->setObjectName("Form1Client");
    setCentralWidget(client);
    frame1 = new ItemEditor(client);
    frame2 = new ItemListPanel(client);
    sstab1 = new OptionsPanel(flags, client);
    command1 = new QPushButton(tr("Free Button Graphics from Brindlecote"), client);
    command1->setObjectName("Command1");
    command2 = new QPushButton(tr("Professionally Designed Web Site Templates"), client);
    command2->setObjectName("Command2");
    statusBar1 = new QStatusBar(client);
    statusBar1->setObjectName("StatusBar1");
}

void Form1::ConnectCommands() {
    connect(menuCommands["savecodeclip"], &QAction::triggered, this,
            [this] { GenerateCode(generate::CodeTarget::Clip); });
    connect(menuCommands["savecodefile"], &QAction::triggered, this,
            [this] { GenerateCode(generate::CodeTarget::File); });
    connect(menuCommands["preview"], &QAction::triggered, this,
            [this] { GenerateCode(generate::CodeTarget::Preview); });
    connect(findChild<QAction*>("mnuFileExit"), &QAction::triggered, this, &Form1::close);
    connect(command1, &QPushButton::clicked, this, [this] {
        platform::OpenDocument(this, QString::fromUtf8(model::kMakerSite) + "/buttons/");
    });
    connect(command2, &QPushButton::clicked, this,
            [this] { platform::OpenDocument(this, QString::fromUtf8(model::kTemplateSite)); });

    new ItemCommands(flags, frame1, frame2, projectCommands, this);
}

model::MenuProject Form1::BuildProject() const {
    model::MenuProject project;
    project.items = frame2->Model()->Items();
    project.menu = sstab1->ReadMenuOptions();
    project.button = sstab1->ReadButtonOptions();
    project.menuStyle = advMenuvals->MenuStyle();
    project.buttonStyle = advMenuvals->ButtonStyle();
    return project;
}

void Form1::GenerateCode(generate::CodeTarget target) {
    StoreAdvValues();
    const model::MenuProject project = BuildProject();
    if (const auto failure = generate::CheckBeforeGenerate(project.menu, project.button)) {
        ShowCheckFailure(*failure);
        return;
    }
    const generate::MenuCode code = generate::GenerateMenuCode(project, target);
    switch (target) {
    case generate::CodeTarget::Clip:
        // "Save to File" generates afresh from the project, not from the boxes' texts.
        codeoutput::ShowGeneratedCode(this, code,
                                      [this] { GenerateCode(generate::CodeTarget::File); });
        break;
    case generate::CodeTarget::File:
        codeoutput::SaveCodeToFile(this, code);
        break;
    case generate::CodeTarget::Preview:
        codeoutput::ShowPreview(this, code, project.menu);
        break;
    }
}

void Form1::ShowCheckFailure(const generate::CheckFailure& failure) {
    platform::ShowMessage(this, failure.message, platform::MessageButtons::Ok);
    auto* field = findChild<QWidget*>(QString::fromStdString(failure.focusControl));
    if (field == nullptr) {
        return;
    }
    // A field on the hidden page of the options is brought to the front first.
    for (int page = 0; page < sstab1->count(); ++page) {
        if (sstab1->widget(page)->isAncestorOf(field)) {
            sstab1->setCurrentIndex(page);
        }
    }
    field->setFocus(Qt::OtherFocusReason);
    if (auto* box = qobject_cast<QLineEdit*>(field); box != nullptr && failure.selectAll) {
        box->selectAll();
    }
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!saveLoad->AskToSave(project::ReplacedBy::Closing)) {
        event->ignore();
        return;
    }
    codeoutput::DeletePreviewFiles();
    event->accept();
}

} // namespace mainwindow
