#include "mainwindow/Form1.h"
#include "mainwindow/ItemListModel.h"
#include "mainwindow/ItemListPanel.h"
#include "mainwindow/OptionsPanel.h"
#include "project/SaveLoad.h"

#include <QLineEdit>

namespace saveload {
namespace {

void SetBoxText(const QWidget& window, const char* name, const std::string& text) {
    window.findChild<QLineEdit*>(name)->setText(QString::fromStdString(text));
}

} // namespace

// The loaded values go into the controls in the order of the file, each list and option choice
// reacting as to a click, since later values may depend on what an earlier reaction did.
void CSaveLoad::ApplyProject(const model::MenuProject& project) {
    ApplyItems(project.items);
    ApplyOptions(project.menu, project.button);
    window.ApplyStyles(project.menuStyle, project.buttonStyle);
}

void CSaveLoad::ApplyItems(const std::vector<model::MenuItem>& items) {
    mainwindow::ItemListModel* list = window.findChild<mainwindow::ItemListPanel*>()->Model();
    for (const model::MenuItem& item : items) {
        list->AppendItem(item);
    }
}

void CSaveLoad::ApplyOptions(const model::MenuOptions& menu, const model::ButtonOptions& button) {
    auto* panel = window.findChild<mainwindow::OptionsPanel*>();
    panel->ChooseNavigation(menu.navigation);
    panel->ChooseButtonAlign(menu.buttonAlign);
    panel->ChooseLinkTarget(menu.linkTarget);
    SetBoxText(*panel, "txtfrm", menu.frameName);
    SetBoxText(*panel, "txtmnm", menu.menuName);
    panel->ChooseButtonKind(button.buttonKind);
    SetBoxText(*panel, "buttontxttxt", button.buttonText);
    SetBoxText(*panel, "buttngrurl", button.imageUrl);
    SetBoxText(*panel, "txtw", button.imageWidth);
    SetBoxText(*panel, "txth", button.imageHeight);
    SetBoxText(*panel, "txtalt", button.altText);
}

} // namespace saveload
