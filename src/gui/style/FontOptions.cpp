#include "style/FontOptions.h"

#include "style/KeyFilters.h"
#include "style/WindowControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

namespace style {
namespace {

constexpr int kDefaultSizeIndex = 5;
constexpr int kWeightTick = 100;
constexpr int kWeightArrowStep = 10;

} // namespace

FontOptions::FontOptions(const char* underlinedName, const char* italicsName, QWidget* parent)
    : QGroupBox(tr("Font Options:"), parent) {
    setObjectName("fraFont");
    auto* grid = new QGridLayout(this);

    combofont = Named<QComboBox>(this, "combofont");
    combofont->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combofont->setMinimumContentsLength(20);
    grid->addWidget(Buddy(Named<QLabel>(this, "Label2", tr("Font:")), combofont), 0, 0);
    grid->addWidget(combofont, 0, 1, 1, 4);

    combofontsize = Named<QComboBox>(this, "combofontsize");
    combofontsize->setEditable(true);
    combofontsize->setInsertPolicy(QComboBox::NoInsert);
    for (int size = 8; size <= 16; ++size) {
        combofontsize->addItem(QString::number(size));
    }
    AcceptDigitsOnly(combofontsize->lineEdit());
    connect(combofontsize->lineEdit(), &QLineEdit::textEdited, this, &FontOptions::sizeTyped);
    underlined = Named<QCheckBox>(this, underlinedName, tr("Underlined"));
    italics = Named<QCheckBox>(this, italicsName, tr("Italics"));
    grid->addWidget(Buddy(Named<QLabel>(this, "Label1", tr("Font Size:")), combofontsize), 1, 0);
    grid->addWidget(combofontsize, 1, 1);
    grid->addWidget(underlined, 1, 2);
    grid->addWidget(italics, 1, 3, 1, 2);

    slider1 = Named<QSlider>(this, "Slider1", Qt::Horizontal);
    slider1->setRange(model::kMinFontWeight, model::kMaxFontWeight);
    slider1->setTickPosition(QSlider::TicksBelow);
    slider1->setTickInterval(kWeightTick);
    slider1->setPageStep(kWeightTick);
    slider1->setSingleStep(kWeightArrowStep);
    slider1->setValue(model::kDefaultFontWeight);
    label16 = Named<QLabel>(this, "Label16", QString::number(slider1->value()));
    label16->setMinimumWidth(label16->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    connect(slider1, &QSlider::valueChanged, label16,
            [this](int weight) { label16->setText(QString::number(weight)); });
    grid->addWidget(Buddy(Named<QLabel>(this, "Label11", tr("Font Weight:")), slider1), 2, 0, 1, 2);
    grid->addWidget(Named<QLabel>(this, "Label9", tr("Lighter")), 3, 0);
    grid->addWidget(slider1, 3, 1, 1, 2);
    grid->addWidget(Named<QLabel>(this, "Label10", tr("Bolder")), 3, 3);
    grid->addWidget(label16, 3, 4);
}

void FontOptions::AddFont(const QString& name) {
    combofont->addItem(name);
}

void FontOptions::SelectDefaultFont(FontMoment moment) {
    std::vector<std::string> fonts;
    fonts.reserve(static_cast<std::size_t>(combofont->count()));
    for (int index = 0; index < combofont->count(); ++index) {
        fonts.push_back(combofont->itemText(index).toStdString());
    }
    combofont->setCurrentIndex(DefaultFontIndex(fonts, moment));
}

void FontOptions::SelectDefaultSize() {
    combofontsize->setCurrentIndex(kDefaultSizeIndex);
}

void FontOptions::RestoreDefaults() {
    SelectDefaultFont(FontMoment::NewProject);
    SelectDefaultSize();
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

} // namespace style
