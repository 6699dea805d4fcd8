#pragma once

#include "style/StyleWindow.h"
#include "style/WindowControls.h"

#include <array>
#include <string>

class QCheckBox;

namespace style {

class CColorRow;

// "Advanced Menu Options": the working copy of the menu's style. Colour rows 0 (text) and 1
// (background) are txtclr, lblclr, cmdclr and lbldesc with the index appended.
class frmAdvMnuOp : public StyleWindow {
    Q_OBJECT

  public:
    frmAdvMnuOp(model::ProjectFlags& flags, QWidget* owner);

    model::MenuStyle Read() const;
    // The controls set field by field, each reacting as to a click.
    void Apply(const model::MenuStyle& style);

    void RestoreMenuDefaults();

  protected:
    void RestoreDefaults() override { RestoreMenuDefaults(); }

  private:
    QLayout* CreateColorOptions();
    QLayout* CreateDimensions();
    void UpdateAvailability();

    std::array<std::string, 2> defaultColors;
    QCheckBox* chkmnusysclr = nullptr;
    std::array<CColorRow*, 2> colorRows{};
    QCheckBox* chkconstmnuwdth = nullptr;
    PixelBox width;
};

} // namespace style
