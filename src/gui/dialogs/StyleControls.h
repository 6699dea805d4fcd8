#pragma once

#include <array>

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QString;

// The controls the style windows are made of.
namespace dialogs {

// A check box as a style flag: 0 clear, 1 checked, 2 greyed.
int CheckValue(const QCheckBox* box);
void SetCheckValue(QCheckBox* box, int value);

// A size in pixels: its caption, a box of at most four digits and "Pixels" after it.
struct PixelBox {
    QLabel* caption = nullptr;
    QLineEdit* box = nullptr;
    QLabel* pixels = nullptr;

    void SetAvailable(bool available) const;
};

PixelBox AddPixelBox(QGridLayout* grid, int row, const QString& caption,
                     std::array<const char*, 3> names);

} // namespace dialogs
