#include "dialogs/FontOptions.h"

#include "model/MenuProject.h"
#include "widgets/KeyFilters.h"
#include "widgets/Named.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

namespace dialogs {
namespace {

constexpr int kDefaultSizeIndex = 5;
constexpr int kWeightTick = 100;
constexpr int kWeightArrowStep = 10;

} // namespace

FontOptions::FontOptions(const char* underlinedName, const char* italicsName, QWidget* parent)
    : QGroupBox(tr("Font Options:"), parent) {
    setObjectName("fraFont");
    auto* grid = new QGridLayout(this);

    combofont = widgets::Named<QComboBox>("combofont", this);
    combofont->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combofont->setMinimumContentsLength(20);
    grid->addWidget(widgets::Buddy(widgets::Named<QLabel>("Label2", tr("Font:"), this), combofont),
                    0, 0);
    grid->addWidget(combofont, 0, 1, 1, 4);

    combofontsize = widgets::Named<QComboBox>("combofontsize", this);
    combofontsize->setEditable(true);
    combofontsize->setInsertPolicy(QComboBox::NoInsert);
    for (int size = 8; size <= 16; ++size) {
        combofontsize->addItem(QString::number(size));
    }
    widgets::AcceptDigitsOnly(combofontsize->lineEdit());
    underlined = widgets::Named<QCheckBox>(underlinedName, tr("Underlined"), this);
    italics = widgets::Named<QCheckBox>(italicsName, tr("Italics"), this);
    grid->addWidget(
        widgets::Buddy(widgets::Named<QLabel>("Label1", tr("Font Size:"), this), combofontsize), 1,
        0);
    grid->addWidget(combofontsize, 1, 1);
    grid->addWidget(underlined, 1, 2);
    grid->addWidget(italics, 1, 3, 1, 2);

    slider1 = widgets::Named<QSlider>("Slider1", Qt::Horizontal, this);
    slider1->setRange(model::kMinFontWeight, model::kMaxFontWeight);
    slider1->setTickPosition(QSlider::TicksBelow);
    slider1->setTickInterval(kWeightTick);
    slider1->setPageStep(kWeightTick);
    slider1->setSingleStep(kWeightArrowStep);
    slider1->setValue(model::kDefaultFontWeight);
    label16 = widgets::Named<QLabel>("Label16", QString::number(slider1->value()), this);
    label16->setMinimumWidth(label16->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    connect(slider1, &QSlider::valueChanged, label16,
            [this](int weight) { label16->setText(QString::number(weight)); });
    grid->addWidget(
        widgets::Buddy(widgets::Named<QLabel>("Label11", tr("Font Weight:"), this), slider1), 2, 0,
        1, 2);
    grid->addWidget(widgets::Named<QLabel>("Label9", tr("Lighter"), this), 3, 0);
    grid->addWidget(slider1, 3, 1, 1, 2);
    grid->addWidget(widgets::Named<QLabel>("Label10", tr("Bolder"), this), 3, 3);
    grid->addWidget(label16, 3, 4);
}

void FontOptions::AddFont(const QString& name) {
    combofont->addItem(name);
}

void FontOptions::RestoreDefaults(const std::string& fontName) {
    combofont->setCurrentIndex(combofont->findText(QString::fromStdString(fontName)));
    combofontsize->setCurrentIndex(kDefaultSizeIndex);
    slider1->setValue(model::kDefaultFontWeight);
}

std::string FontOptions::FontName() const {
    return combofont->currentText().toStdString();
}

std::string FontOptions::FontSize() const {
    return combofontsize->currentText().toStdString();
}

void FontOptions::SetFont(const std::string& name, const std::string& size, int weight) {
    combofont->setCurrentIndex(combofont->findText(QString::fromStdString(name)));
    combofontsize->setEditText(QString::fromStdString(size));
    slider1->setValue(weight);
}

} // namespace dialogs
