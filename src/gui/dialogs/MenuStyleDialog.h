#pragma once

#include "dialogs/StyleControls.h"
#include "dialogs/StyleDialog.h"

#include <array>

class QCheckBox;

namespace dialogs {

// frmAdvMnuOp, "Advanced Menu Options": the menu's style. Colour rows 0 (text) and 1
// (background) are txtclr, lblclr, cmdclr and lbldesc with the index appended.
class MenuStyleDialog : public StyleDialog {
    Q_OBJECT

  public:
    MenuStyleDialog(const model::StyleDefaults& defaults, QWidget* owner);

    model::MenuStyle Read() const;
    // The controls set field by field, each reacting as to a click.
    void Apply(const model::MenuStyle& style);

  protected:
    void RestoreDefaults() override;

  private:
    QLayout* CreateColorOptions();
    QLayout* CreateDimensions();
    void UpdateAvailability();

    QCheckBox* chkmnusysclr = nullptr;
    std::array<widgets::ColorRow*, 2> colorRows{};
    QCheckBox* chkconstmnuwdth = nullptr;
    PixelBox width;
};

} // namespace dialogs
