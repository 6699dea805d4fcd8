#include "dialogs/StyleControls.h"

#include "widgets/Named.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLineEdit>

namespace dialogs {
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
    pixelBox.box = widgets::Named<QLineEdit>(names[1], parent);
    pixelBox.box->setMaxLength(kPixelDigits);
    pixelBox.box->setMaximumWidth(
        pixelBox.box->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    pixelBox.caption =
        widgets::Buddy(widgets::Named<QLabel>(names[0], caption, parent), pixelBox.box);
    pixelBox.pixels =
        widgets::Named<QLabel>(names[2], QCoreApplication::translate("style", "Pixels"), parent);
    grid->addWidget(pixelBox.caption, row, 0);
    grid->addWidget(pixelBox.box, row, 1);
    grid->addWidget(pixelBox.pixels, row, 2);
    return pixelBox;
}

} // namespace dialogs
