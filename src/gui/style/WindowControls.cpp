#include "style/WindowControls.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLineEdit>

namespace style {
namespace {

constexpr int kPixelDigits = 4;

} // namespace

int CheckValue(const QCheckBox* box) {
    switch (box->checkState()) {
    case Qt::Unchecked:
        return 0;
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        break;
    }
    return 2;
}

void SetCheckValue(QCheckBox* box, int value) {
    box->setCheckState(value == 0   ? Qt::Unchecked
                       : value == 1 ? Qt::Checked
                                    : Qt::PartiallyChecked);
}

void PixelBox::SetAvailable(bool available) const {
    caption->setEnabled(available);
    box->setEnabled(available);
    pixels->setEnabled(available);
}

PixelBox AddPixelBox(QGridLayout* grid, int row, const QString& caption,
                     std::array<const char*, 3> names) {
    QWidget* parent = grid->parentWidget();
    PixelBox pixelBox;
    pixelBox.box = Named<QLineEdit>(parent, names[1]);
    pixelBox.box->setMaxLength(kPixelDigits);
    pixelBox.box->setMaximumWidth(
        pixelBox.box->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    pixelBox.caption = Buddy(Named<QLabel>(parent, names[0], caption), pixelBox.box);
    pixelBox.pixels =
        Named<QLabel>(parent, names[2], QCoreApplication::translate("style", "Pixels"));
    grid->addWidget(pixelBox.caption, row, 0);
    grid->addWidget(pixelBox.box, row, 1);
    grid->addWidget(pixelBox.pixels, row, 2);
    return pixelBox;
}

} // namespace style
