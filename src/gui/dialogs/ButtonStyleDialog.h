#pragma once

#include "dialogs/StyleControls.h"
#include "dialogs/StyleDialog.h"

#include <array>

class QCheckBox;

namespace dialogs {

// FrmAdvBttnOp, "Advanced Button Options": the standard button's style. Colour rows 0 to 5
// (text, face, top, left, right and bottom border) are txtclr, lblclr, cmdclr and lbldesc with
// the index appended. A checked sync box ties the left row to the top row (Check1) and the bottom
// row to the right row (Check2).
class ButtonStyleDialog : public StyleDialog {
    Q_OBJECT

  public:
    ButtonStyleDialog(const model::StyleDefaults& defaults, QWidget* owner);

    model::ButtonStyle Read() const;
    // The controls set field by field, each reacting as to a click.
    void Apply(const model::ButtonStyle& style);

  protected:
    void RestoreDefaults() override;

  private:
    QLayout* CreateColorOptions();
    QLayout* CreateDimensions();
    void ConnectRules();
    bool BorderThicknessKey(int key);
    void ColorChecked(int row, const QString& text);
    void SyncRule(int leadingRow);
    void SyncRules();
    void SystemColorRule();
    void NoBorderRule();
    void ConstrainRule();
    void UpdateAvailability();

    QCheckBox* chksysbttnclr = nullptr;
    QCheckBox* nbchk = nullptr;
    std::array<widgets::ColorRow*, model::kButtonColorCount> colorRows{};
    QCheckBox* check1 = nullptr;
    QCheckBox* check2 = nullptr;
    QCheckBox* chkconstbttnsz = nullptr;
    PixelBox width;
    PixelBox height;
    PixelBox borderThickness;
};

} // namespace dialogs
