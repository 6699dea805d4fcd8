#include "dialogs/ButtonStyleDialog.h"

#include "dialogs/FontOptions.h"
#include "dialogs/NoticeDialog.h"
#include "style/ColorValue.h"
#include "style/StyleRules.h"
#include "widgets/ColorRow.h"
#include "widgets/KeyFilters.h"
#include "widgets/Named.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QSlider>

namespace dialogs {
namespace {

constexpr const char* kRestoredBorderThickness = "2";

} // namespace

using widgets::Named;

ButtonStyleDialog::ButtonStyleDialog(const model::StyleDefaults& styleDefaults, QWidget* owner)
    : StyleDialog(styleDefaults, owner) {
    setObjectName("FrmAdvBttnOp");
    setWindowTitle(tr("Advanced Button Options"));
    QLayout* colorOptions = CreateColorOptions();
    fonts = new FontOptions("chkbttnfntUL", "chkbttnfntIT", this);
    LayOut(colorOptions, CreateDimensions());
    ConnectRules();

    SyncRules();
    SetColors(colorRows, defaults.buttonColors);
    SystemColorRule();
}

QLayout* ButtonStyleDialog::CreateColorOptions() {
    auto* grid = new QGridLayout;
    chksysbttnclr = Named<QCheckBox>("chksysbttnclr", tr("Use Default System Button Colors"), this);
    chksysbttnclr->setChecked(true);
    nbchk = Named<QCheckBox>("nbchk", tr("No Border"), this);
    nbchk->setChecked(true);
    grid->addWidget(chksysbttnclr, 0, 0, 1, 4);
    grid->addWidget(nbchk, 0, 4);
    const QString captions[] = {tr("Text:"),        tr("Face:"),         tr("Top Border:"),
                                tr("Left Border:"), tr("Right Border:"), tr("Bottom Border:")};
    for (int index = 0; index < model::kButtonColorCount; ++index) {
        widgets::ColorRow* row = AddColorRow(grid, index, captions[index]);
        colorRows[static_cast<std::size_t>(index)] = row;
    }
    check1 = Named<QCheckBox>("Check1", tr("Sync Top and Left Border Colors"), this);
    check2 = Named<QCheckBox>("Check2", tr("Sync Right and Bottom Border Colors"), this);
    check1->setChecked(true);
    check2->setChecked(true);
    grid->addWidget(check1, model::kTopBorder + 1, 4, 2, 1);
    grid->addWidget(check2, model::kRightBorder + 1, 4, 2, 1);
    grid->setColumnStretch(4, 1);
    return grid;
}

QLayout* ButtonStyleDialog::CreateDimensions() {
    auto* grid = new QGridLayout;
    chkconstbttnsz = Named<QCheckBox>(
        "chkconstbttnsz", tr("Constrain Button Dimensions Proportionally to Font Size"), this);
    chkconstbttnsz->setChecked(true);
    grid->addWidget(chkconstbttnsz, 0, 0, 1, 4);
    width = AddPixelBox(grid, 1, tr("Button Width:"), {"Label17", "txtBW", "Label20"});
    height = AddPixelBox(grid, 2, tr("Button Height:"), {"Label19", "txtBH", "Label21"});
    borderThickness =
        AddPixelBox(grid, 3, tr("Border Thickness:"), {"Label18", "txtBT", "Label22"});
    grid->setColumnStretch(3, 1);
    return grid;
}

void ButtonStyleDialog::ConnectRules() {
    for (std::size_t index = 0; index < colorRows.size(); ++index) {
        connect(
            colorRows[index], &widgets::ColorRow::changeCheckFinished, this,
            [this, index](const QString& text) { ColorChecked(static_cast<int>(index), text); });
    }
    connect(check1, &QCheckBox::toggled, this, [this] { SyncRule(model::kTopBorder); });
    connect(check2, &QCheckBox::toggled, this, [this] { SyncRule(model::kRightBorder); });
    connect(chksysbttnclr, &QCheckBox::toggled, this, &ButtonStyleDialog::SystemColorRule);
    connect(nbchk, &QCheckBox::toggled, this, &ButtonStyleDialog::NoBorderRule);
    connect(chkconstbttnsz, &QCheckBox::toggled, this, &ButtonStyleDialog::ConstrainRule);
    widgets::AcceptDigitsOnly(width.box);
    widgets::AcceptDigitsOnly(height.box);
    widgets::FilterTypedKeys(borderThickness.box,
                             [this](int key) { return BorderThicknessKey(key); });
}

// While system colours are in use a border cannot show, so the thickness takes no keys.
bool ButtonStyleDialog::BorderThicknessKey(int key) {
    if (CheckValue(chksysbttnclr) == 1) {
        ShowNotice(Notice::ButtonBorder, this);
        return false;
    }
    return style::DigitKey(key) != 0;
}

void ButtonStyleDialog::ColorChecked(int row, const QString& text) {
    const int tied = style::TiedRow(Read(), row);
    if (tied >= 0) {
        colorRows[static_cast<std::size_t>(tied)]->SetText(text);
    }
}

void ButtonStyleDialog::SyncRule(int leadingRow) {
    const int tied = style::TiedRow(Read(), leadingRow);
    if (tied >= 0) {
        colorRows[static_cast<std::size_t>(tied)]->SetText(
            colorRows[static_cast<std::size_t>(leadingRow)]->Text());
    }
    UpdateAvailability();
}

void ButtonStyleDialog::SyncRules() {
    SyncRule(model::kTopBorder);
    SyncRule(model::kRightBorder);
}

void ButtonStyleDialog::SystemColorRule() {
    if (CheckValue(chksysbttnclr) == 0) {
        SyncRules();
    } else {
        nbchk->setChecked(true);
    }
    NoBorderRule();
}

void ButtonStyleDialog::NoBorderRule() {
    if (CheckValue(nbchk) == 0) {
        SyncRules();
    } else {
        borderThickness.box->clear();
    }
    UpdateAvailability();
}

void ButtonStyleDialog::ConstrainRule() {
    if (CheckValue(chkconstbttnsz) != 0) {
        width.box->clear();
        height.box->clear();
    }
    UpdateAvailability();
}

void ButtonStyleDialog::UpdateAvailability() {
    const style::ButtonStyleAvailability available = style::ButtonAvailability(Read());
    for (std::size_t index = 0; index < colorRows.size(); ++index) {
        ShowRow(*colorRows[index], available.colorRows[index], available.opaqueSamples[index]);
    }
    check1->setEnabled(available.syncBoxes);
    check2->setEnabled(available.syncBoxes);
    nbchk->setEnabled(available.noBorder);
    borderThickness.SetAvailable(available.borderThickness);
    width.SetAvailable(available.size);
    height.SetAvailable(available.size);
}

model::ButtonStyle ButtonStyleDialog::Read() const {
    model::ButtonStyle style;
    for (std::size_t index = 0; index < colorRows.size(); ++index) {
        style.colors[index] = colorRows[index]->Text().toStdString();
    }
    style.syncTopLeft = CheckValue(check1);
    style.syncRightBottom = CheckValue(check2);
    style.useSystemColors = CheckValue(chksysbttnclr);
    style.fontName = fonts->FontName();
    style.fontSize = fonts->FontSize();
    style.fontWeight = fonts->Weight()->value();
    style.underline = CheckValue(fonts->Underlined());
    style.italic = CheckValue(fonts->Italics());
    style.width = width.box->text().toStdString();
    style.height = height.box->text().toStdString();
    style.borderThickness = borderThickness.box->text().toStdString();
    style.constrainSize = CheckValue(chkconstbttnsz);
    style.noBorder = CheckValue(nbchk);
    return style;
}

void ButtonStyleDialog::Apply(const model::ButtonStyle& style) {
    for (std::size_t index = 0; index < colorRows.size(); ++index) {
        colorRows[index]->SetText(QString::fromStdString(style.colors[index]));
    }
    SetCheckValue(check1, style.syncTopLeft);
    SetCheckValue(check2, style.syncRightBottom);
    SetCheckValue(chksysbttnclr, style.useSystemColors);
    fonts->SetFont(style.fontName, style.fontSize, style.fontWeight);
    SetCheckValue(fonts->Underlined(), style.underline);
    SetCheckValue(fonts->Italics(), style.italic);
    width.box->setText(QString::fromStdString(style.width));
    height.box->setText(QString::fromStdString(style.height));
    borderThickness.box->setText(QString::fromStdString(style.borderThickness));
    SetCheckValue(chkconstbttnsz, style.constrainSize);
    SetCheckValue(nbchk, style.noBorder);
    UpdateAvailability();
}

void ButtonStyleDialog::RestoreDefaults() {
    SetColors(colorRows, defaults.buttonColors);
    check1->setChecked(true);
    check2->setChecked(true);
    SyncRules();
    chkconstbttnsz->setChecked(true);
    ConstrainRule();
    fonts->Underlined()->setChecked(false);
    fonts->Italics()->setChecked(false);
    chksysbttnclr->setChecked(true);
    SystemColorRule();
    width.box->clear();
    height.box->clear();
    borderThickness.box->setText(kRestoredBorderThickness);
    fonts->RestoreDefaults(defaults.fontName);
}

} // namespace dialogs
