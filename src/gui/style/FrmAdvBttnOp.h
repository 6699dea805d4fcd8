#pragma once

#include "style/StyleWindow.h"
#include "style/WindowControls.h"

#include <array>
#include <string>

class QCheckBox;

namespace style {

class CColorRow;

// "Advanced Button Options": the working copy of the standard button's style. Colour rows 0 to 5
// (text, face, top, left, right and bottom border) are txtclr, lblclr, cmdclr and lbldesc with
// the index appended. A checked sync box ties the left row to the top row (Check1) and the bottom
// row to the right row (Check2).
class FrmAdvBttnOp : public StyleWindow {
    Q_OBJECT

  public:
    FrmAdvBttnOp(model::ProjectFlags& flags, QWidget* owner);

    model::ButtonStyle Read() const;
    // The controls set field by field, each reacting as to a click.
    void Apply(const model::ButtonStyle& style);

    void RestoreButtonDefaults();

  protected:
    void RestoreDefaults() override { RestoreButtonDefaults(); }

  private:
    QLayout* CreateColorOptions();
    QLayout* CreateDimensions();
    void ConnectEdits();
    bool BorderThicknessKey(int key);
    void ColorChecked(int row, const QString& text);
    void SyncRule(int leadingRow);
    void SyncRules();
    void SystemColorRule();
    void NoBorderRule();
    void ConstrainRule();
    void UpdateAvailability();

    std::array<std::string, model::kButtonColorCount> defaultColors;
    bool loading = true;
    QCheckBox* chksysbttnclr = nullptr;
    QCheckBox* nbchk = nullptr;
    std::array<CColorRow*, model::kButtonColorCount> colorRows{};
    QCheckBox* check1 = nullptr;
    QCheckBox* check2 = nullptr;
    QCheckBox* chkconstbttnsz = nullptr;
    PixelBox width;
    PixelBox height;
    PixelBox borderThickness;
};

} // namespace style
