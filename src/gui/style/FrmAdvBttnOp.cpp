#include "style/FrmAdvBttnOp.h"

#include "style/ColorRow.h"
#include "style/ColorValue.h"
#include "style/DefaultColors.h"
#include "style/FontOptions.h"
#include "style/KeyFilters.h"
#include "style/Notices.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

namespace style {
namespace {

constexpr const char* kRestoredBorderThickness = "2";

} // namespace

FrmAdvBttnOp::FrmAdvBttnOp(model::ProjectFlags& projectFlags, QWidget* owner)
    : StyleWindow(projectFlags, owner),
      defaultColors(ButtonDefaultColors(QApplication::palette())) {
    setObjectName("FrmAdvBttnOp");
    setWindowTitle(tr("Advanced Button Options"));
    QLayout* colorOptions = CreateColorOptions();
    fonts = new FontOptions("chkbttnfntUL", "chkbttnfntIT", this);
    LayOut(colorOptions, CreateDimensions());
    ConnectEdits();

    SyncRules();
    SetColors(colorRows, defaultColors);
    SystemColorRule();
    loading = false;
}

QLayout* FrmAdvBttnOp::CreateColorOptions() {
    auto* grid = new QGridLayout;
    chksysbttnclr = Named<QCheckBox>(this, "chksysbttnclr", tr("Use Default System Button Colors"));
    chksysbttnclr->setChecked(true);
    nbchk = Named<QCheckBox>(this, "nbchk", tr("No Border"));
    nbchk->setChecked(true);
    grid->addWidget(chksysbttnclr, 0, 0, 1, 4);
    grid->addWidget(nbchk, 0, 4);
    const QString captions[] = {tr("Text:"),        tr("Face:"),         tr("Top Border:"),
                                tr("Left Border:"), tr("Right Border:"), tr("Bottom Border:")};
    for (int index = 0; index < model::kButtonColorCount; ++index) {
        CColorRow* row = AddColorRow(grid, index, captions[index]);
        colorRows[static_cast<std::size_t>(index)] = row;
    }
    check1 = Named<QCheckBox>(this, "Check1", tr("Sync Top and Left Border Colors"));
    check2 = Named<QCheckBox>(this, "Check2", tr("Sync Right and Bottom Border Colors"));
    check1->setChecked(true);
    check2->setChecked(true);
    grid->addWidget(check1, model::kTopBorder + 1, 4, 2, 1);
    grid->addWidget(check2, model::kRightBorder + 1, 4, 2, 1);
    grid->setColumnStretch(4, 1);
    return grid;
}

QLayout* FrmAdvBttnOp::CreateDimensions() {
    auto* grid = new QGridLayout;
    chkconstbttnsz = Named<QCheckBox>(
        this, "chkconstbttnsz", tr("Constrain Button Dimensions Proportionally to Font Size"));
    chkconstbttnsz->setChecked(true);
    grid->addWidget(chkconstbttnsz, 0, 0, 1, 4);
    width = AddPixelBox(grid, 1, tr("Button Width:"), {"Label17", "txtBW", "Label20"});
    height = AddPixelBox(grid, 2, tr("Button Height:"), {"Label19", "txtBH", "Label21"});
    borderThickness =
        AddPixelBox(grid, 3, tr("Border Thickness:"), {"Label18", "txtBT", "Label22"});
    grid->setColumnStretch(3, 1);
    return grid;
}

void FrmAdvBttnOp::ConnectEdits() {
    for (std::size_t index = 0; index < colorRows.size(); ++index) {
        CColorRow* row = colorRows[index];
        connect(row, &CColorRow::changeCheckStarted, this, &FrmAdvBttnOp::MarkChangedWhenSaved);
        connect(row, &CColorRow::colorPicked, this, &FrmAdvBttnOp::MarkChangedWhenSaved);
        connect(row, &CColorRow::changeCheckFinished, this, [this, index](const QString& text) {
            ColorChecked(static_cast<int>(index), text);
        });
    }
    connect(check1, &QCheckBox::toggled, this, [this] { SyncRule(model::kTopBorder); });
    connect(check2, &QCheckBox::toggled, this, [this] { SyncRule(model::kRightBorder); });
    connect(chksysbttnclr, &QCheckBox::toggled, this, &FrmAdvBttnOp::SystemColorRule);
    connect(nbchk, &QCheckBox::toggled, this, &FrmAdvBttnOp::NoBorderRule);
    connect(chkconstbttnsz, &QCheckBox::toggled, this, &FrmAdvBttnOp::ConstrainRule);

    connect(fonts, &FontOptions::sizeTyped, this, &FrmAdvBttnOp::MarkChangedWhenSaved);
    connect(fonts->Weight(), &QSlider::valueChanged, this, &FrmAdvBttnOp::MarkChangedWhenSaved);
    for (QLineEdit* box : {width.box, height.box, borderThickness.box}) {
        connect(box, &QLineEdit::textChanged, this, &FrmAdvBttnOp::MarkChangedWhenSaved);
    }
    AcceptDigitsOnly(width.box);
    AcceptDigitsOnly(height.box);
    FilterTypedKeys(borderThickness.box, [this](int key) { return BorderThicknessKey(key); });
}

// While system colours are in use a border cannot show, so the thickness takes no keys.
bool FrmAdvBttnOp::BorderThicknessKey(int key) {
    if (CheckValue(chksysbttnclr) == 1) {
        ShowNotice(Notice::ButtonBorder, this);
        return false;
    }
    return DigitKey(key) != 0;
}

void FrmAdvBttnOp::ColorChecked(int row, const QString& text) {
    const int tied = TiedRow(Read(), row);
    if (tied >= 0) {
        colorRows[static_cast<std::size_t>(tied)]->SetText(text);
    }
}

void FrmAdvBttnOp::SyncRule(int leadingRow) {
    if (!loading) {
        MarkChangedWhenSaved();
    }
    const int tied = TiedRow(Read(), leadingRow);
    if (tied >= 0) {
        colorRows[static_cast<std::size_t>(tied)]->SetText(
            colorRows[static_cast<std::size_t>(leadingRow)]->Text());
    }
    UpdateAvailability();
}

void FrmAdvBttnOp::SyncRules() {
    SyncRule(model::kTopBorder);
    SyncRule(model::kRightBorder);
}

void FrmAdvBttnOp::SystemColorRule() {
    if (CheckValue(chksysbttnclr) == 0) {
        SyncRules();
    } else {
        nbchk->setChecked(true);
    }
    NoBorderRule();
}

void FrmAdvBttnOp::NoBorderRule() {
    if (CheckValue(nbchk) == 0) {
        SyncRules();
    } else {
        borderThickness.box->clear();
    }
    UpdateAvailability();
}

void FrmAdvBttnOp::ConstrainRule() {
    if (CheckValue(chkconstbttnsz) != 0) {
        width.box->clear();
        height.box->clear();
    }
    UpdateAvailability();
}

void FrmAdvBttnOp::UpdateAvailability() {
    const ButtonStyleAvailability available = ButtonAvailability(Read());
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

model::ButtonStyle FrmAdvBttnOp::Read() const {
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

void FrmAdvBttnOp::Apply(const model::ButtonStyle& style) {
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

void FrmAdvBttnOp::RestoreButtonDefaults() {
    if (!RestoreConfirmed()) {
        return;
    }
    SetColors(colorRows, defaultColors);
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
    fonts->RestoreDefaults();
}

} // namespace style
