#pragma once

#include "model/MenuProject.h"

#include <QTabWidget>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace mainwindow {

// SSTab1: the menu options ("Global Menu Properties") and the button options ("Submit Button
// Properties"). Which controls are available follows the navigation mode, the button kind and
// the link target. The option pairs are named with their index appended: menubehavopt0 (on
// button click), menubehavopt1 (on item change), buttonpropopt0 (default), buttonpropopt1
// (graphic).
class OptionsPanel : public QTabWidget {
    Q_OBJECT

  public:
    OptionsPanel(model::ProjectFlags& flags, QWidget* parent = nullptr);

    model::MenuOptions ReadMenuOptions() const;
    model::ButtonOptions ReadButtonOptions() const;

    // Set the control as a click would, with the same reaction.
    void ChooseNavigation(model::Navigation navigation);
    void ChooseButtonKind(model::ButtonKind kind);
    void ChooseLinkTarget(model::LinkTarget target);
    void ChooseButtonAlign(model::ButtonAlign align);

    // Every option set from the records; the availability rules run as after a click.
    void ApplyOptions(const model::MenuOptions& menu, const model::ButtonOptions& button);

    QPushButton* AdvancedMenuButton() const { return cmdAdvMnu; }
    QPushButton* AdvancedButtonButton() const { return cmdBttnAdv; }

  private:
    QWidget* CreateMenuTab();
    QWidget* CreateButtonTab();
    void ConnectReactions();
    void NavigationClicked(int index);
    void ButtonKindClicked();
    void LinkTargetClicked();
    void MarkChangedWhenSaved();

    model::ProjectFlags& flags;

    QLineEdit* txtmnm = nullptr;
    std::array<QRadioButton*, 2> menubehavopt{};
    QLabel* targetlbl = nullptr;
    QComboBox* targetcombo = nullptr;
    QLabel* lblfrm = nullptr;
    QLineEdit* txtfrm = nullptr;
    QLabel* lblbttnaln = nullptr;
    QComboBox* cmbbttnaln = nullptr;
    QPushButton* cmdAdvMnu = nullptr;

    std::array<QRadioButton*, 2> buttonpropopt{};
    QLabel* buttontxtlbl = nullptr;
    QLineEdit* buttontxttxt = nullptr;
    QLabel* buttngrurllbl = nullptr;
    QLineEdit* buttngrurl = nullptr;
    QLabel* lblw = nullptr;
    QLineEdit* txtw = nullptr;
    QLabel* lblh = nullptr;
    QLineEdit* txth = nullptr;
    QLabel* lblalt = nullptr;
    QLineEdit* txtalt = nullptr;
    QPushButton* cmdBttnAdv = nullptr;
};

} // namespace mainwindow
