#pragma once

#include "model/MenuProject.h"

#include <QObject>
#include <string_view>

namespace style {

class frmAdvMnuOp;
class FrmAdvBttnOp;

// The module mAdvMenuvals: the committed copy of each style record. The two style windows are
// loaded with it and their controls are the working copies; "mnu" names the menu's style and
// "bttn" the button's, any other kind does nothing.
class AdvMenuvals : public QObject {
    Q_OBJECT

  public:
    AdvMenuvals(model::ProjectFlags& flags, QWidget* owner);

    frmAdvMnuOp& MenuWindow() const { return *menuWindow; }
    FrmAdvBttnOp& ButtonWindow() const { return *buttonWindow; }

    // From the window's controls into the committed copy.
    void StoreAdvValues(std::string_view kind);
    // From the committed copy back into the window's controls.
    void RecallAdvValues(std::string_view kind);

    const model::MenuStyle& MenuStyle() const { return menuStyle; }
    const model::ButtonStyle& ButtonStyle() const { return buttonStyle; }

  private:
    // OK: what the window holds is committed, and a committed change is a change to the project.
    void Commit(std::string_view kind);

    model::ProjectFlags& flags;
    frmAdvMnuOp* menuWindow = nullptr;
    FrmAdvBttnOp* buttonWindow = nullptr;
    model::MenuStyle menuStyle;
    model::ButtonStyle buttonStyle;
};

} // namespace style
