#include "style/frmAdvMnuOp.h"

#include "style/ColorRow.h"
#include "style/DefaultColors.h"
#include "style/FontOptions.h"
#include "style/KeyFilters.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

namespace style {

frmAdvMnuOp::frmAdvMnuOp(model::ProjectFlags& projectFlags, QWidget* owner)
    : StyleWindow(projectFlags, owner), defaultColors(MenuDefaultColors(QApplication::palette())) {
    setObjectName("frmAdvMnuOp");
    setWindowTitle(tr("Advanced Menu Options"));
    QLayout* colorOptions = CreateColorOptions();
    fonts = new FontOptions("chkmnufntU", "chkmnufntI", this);
    LayOut(colorOptions, CreateDimensions());

    SetColors(colorRows, defaultColors);
    UpdateAvailability();
}

QLayout* frmAdvMnuOp::CreateColorOptions() {
    auto* grid = new QGridLayout;
    chkmnusysclr = Named<QCheckBox>(this, "chkmnusysclr", tr("Use Default System Menu Colors"));
    chkmnusysclr->setChecked(true);
    grid->addWidget(chkmnusysclr, 0, 0, 1, 4);
    const QString captions[] = {tr("Text:"), tr("Background:")};
    for (int index = 0; index < 2; ++index) {
        CColorRow* row = AddColorRow(grid, index, captions[index]);
        connect(row, &CColorRow::colorPicked, this, &frmAdvMnuOp::MarkChangedWhenSaved);
        colorRows[static_cast<std::size_t>(index)] = row;
    }
    grid->setColumnStretch(4, 1);
    connect(chkmnusysclr, &QCheckBox::toggled, this, &frmAdvMnuOp::UpdateAvailability);
    return grid;
}

QLayout* frmAdvMnuOp::CreateDimensions() {
    auto* grid = new QGridLayout;
    chkconstmnuwdth = Named<QCheckBox>(this, "chkconstmnuwdth",
                                       tr("Constrain Width Proportionally to Font Size"));
    chkconstmnuwdth->setChecked(true);
    grid->addWidget(chkconstmnuwdth, 0, 0, 1, 4);
    width = AddPixelBox(grid, 1, tr("Width:"), {"Label17", "txtMW", "Label20"});
    AcceptDigitsOnly(width.box);
    grid->setColumnStretch(3, 1);
    connect(chkconstmnuwdth, &QCheckBox::toggled, this, &frmAdvMnuOp::UpdateAvailability);
    return grid;
}

// The colour values stay as they are while system colours hide them, and the width while it is
// constrained.
void frmAdvMnuOp::UpdateAvailability() {
    const MenuStyleAvailability available = MenuAvailability(Read());
    for (CColorRow* row : colorRows) {
        ShowRow(*row, available.colorRows, available.colorRows);
    }
    width.SetAvailable(available.width);
}

model::MenuStyle frmAdvMnuOp::Read() const {
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

void frmAdvMnuOp::Apply(const model::MenuStyle& style) {
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

void frmAdvMnuOp::RestoreMenuDefaults() {
    if (!RestoreConfirmed()) {
        return;
    }
    SetColors(colorRows, defaultColors);
    chkconstmnuwdth->setChecked(true);
    fonts->Underlined()->setChecked(false);
    fonts->Italics()->setChecked(false);
    chkmnusysclr->setChecked(true);
    width.box->clear();
    fonts->RestoreDefaults();
    UpdateAvailability();
}

} // namespace style
