#pragma once

#include "model/OptionRules.h"

#include <QTabWidget>
#include <array>
#include <functional>
#include <utility>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace document {
class MenuDocument;
}

namespace mainwindow {

// SSTab1: the menu options ("Global Menu Properties") and the button options ("Submit Button
// Properties") of the open project. It shows what the document holds and hands every edit to
// it, however the control was changed (a click, the keyboard, an assistive tool); which controls
// are available follows the values. The option pairs are named with their index appended:
// menubehavopt0 (on button click), menubehavopt1 (on item change), buttonpropopt0 (default),
// buttonpropopt1 (graphic).
class OptionsPanel : public QTabWidget {
    Q_OBJECT

  public:
    OptionsPanel(document::MenuDocument& document, QWidget* parent);

    // The box of `field` brought to the front with the focus, its text selected when asked.
    void FocusField(model::OptionField field, bool selectAll);

    QPushButton* AdvancedMenuButton() const { return cmdAdvMnu; }
    QPushButton* AdvancedButtonButton() const { return cmdBttnAdv; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* CreateMenuTab();
    QWidget* CreateButtonTab();
    void ConnectEdits();
    void ShowOptions();
    // The document's options with one field changed by `change`.
    void Edit(model::OptionField field,
              const std::function<void(model::MenuOptions&, model::ButtonOptions&)>& change);

    document::MenuDocument& document;
    bool showing = false; // the controls are being set from the document
    int visit = 0;        // of the text boxes, so that one visit's typing is one step

    QLineEdit* txtmnm = nullptr;
    std::array<QRadioButton*, 2> menubehavopt{};
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
    std::vector<std::pair<model::OptionField, QLineEdit*>> textBoxes;
};

} // namespace mainwindow
