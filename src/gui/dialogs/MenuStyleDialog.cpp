#include "dialogs/MenuStyleDialog.h"

#include "dialogs/FontOptions.h"
#include "style/StyleRules.h"
#include "widgets/ColorRow.h"
#include "widgets/KeyFilters.h"
#include "widgets/Named.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QSlider>

namespace dialogs {

using widgets::Named;

MenuStyleDialog::MenuStyleDialog(const model::StyleDefaults& styleDefaults, QWidget* owner)
    : StyleDialog(styleDefaults, owner) {
    setObjectName("frmAdvMnuOp");
    setWindowTitle(tr("Advanced Menu Options"));
    QLayout* colorOptions = CreateColorOptions();
    fonts = new FontOptions("chkmnufntU", "chkmnufntI", this);
    LayOut(colorOptions, CreateDimensions());

    SetColors(colorRows, std::array{defaults.menuTextColor, defaults.menuBackColor});
    UpdateAvailability();
}

QLayout* MenuStyleDialog::CreateColorOptions() {
    auto* grid = new QGridLayout;
    chkmnusysclr = Named<QCheckBox>("chkmnusysclr", tr("Use Default System Menu Colors"), this);
    chkmnusysclr->setChecked(true);
    grid->addWidget(chkmnusysclr, 0, 0, 1, 4);
    const QString captions[] = {tr("Text:"), tr("Background:")};
    for (int index = 0; index < 2; ++index) {
        colorRows[static_cast<std::size_t>(index)] = AddColorRow(grid, index, captions[index]);
    }
    grid->setColumnStretch(4, 1);
    connect(chkmnusysclr, &QCheckBox::toggled, this, &MenuStyleDialog::UpdateAvailability);
    return grid;
}

QLayout* MenuStyleDialog::CreateDimensions() {
    auto* grid = new QGridLayout;
    chkconstmnuwdth = Named<QCheckBox>("chkconstmnuwdth",
                                       tr("Constrain Width Proportionally to Font Size"), this);
    chkconstmnuwdth->setChecked(true);
    grid->addWidget(chkconstmnuwdth, 0, 0, 1, 4);
    width = AddPixelBox(grid, 1, tr("Width:"), {"Label17", "txtMW", "Label20"});
    widgets::AcceptDigitsOnly(width.box);
    grid->setColumnStretch(3, 1);
    connect(chkconstmnuwdth, &QCheckBox::toggled, this, &MenuStyleDialog::UpdateAvailability);
    return grid;
}

// The colour values stay as they are while system colours hide them, and the width while it is
// constrained.
void MenuStyleDialog::UpdateAvailability() {
    const style::MenuStyleAvailability available = style::MenuAvailability(Read());
    for (widgets::ColorRow* row : colorRows) {
        ShowRow(*row, available.colorRows, available.colorRows);
    }
    width.SetAvailable(available.width);
}

model::MenuStyle MenuStyleDialog::Read() const {
    model::MenuStyle style;
    style.textColor = colorRows[0]->Text().toStdString();
    style.backColor = colorRows[1]->Text().toStdString();
    style.useSystemColors = CheckValue(chkmnusysclr);
    style.fontName = fonts->FontName();
    style.fontSize = fonts->FontSize();
    style.fontWeight = fonts->Weight()->value();
    style.italic = CheckValue(fonts->Italics());
    style.underline = CheckValue(fonts->Underlined());
    style.width = width.box->text().toStdString();
    style.constrainWidth = CheckValue(chkconstmnuwdth);
    return style;
}

void MenuStyleDialog::Apply(const model::MenuStyle& style) {
    colorRows[0]->SetText(QString::fromStdString(style.textColor));
    colorRows[1]->SetText(QString::fromStdString(style.backColor));
    SetCheckValue(chkmnusysclr, style.useSystemColors);
    fonts->SetFont(style.fontName, style.fontSize, style.fontWeight);
    SetCheckValue(fonts->Italics(), style.italic);
    SetCheckValue(fonts->Underlined(), style.underline);
    width.box->setText(QString::fromStdString(style.width));
    SetCheckValue(chkconstmnuwdth, style.constrainWidth);
    UpdateAvailability();
}

void MenuStyleDialog::RestoreDefaults() {
    SetColors(colorRows, std::array{defaults.menuTextColor, defaults.menuBackColor});
    chkconstmnuwdth->setChecked(true);
    fonts->Underlined()->setChecked(false);
    fonts->Italics()->setChecked(false);
    chkmnusysclr->setChecked(true);
    width.box->clear();
    fonts->RestoreDefaults(defaults.fontName);
    UpdateAvailability();
}

} // namespace dialogs
