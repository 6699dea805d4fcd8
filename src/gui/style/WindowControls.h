#pragma once

#include <QCheckBox>
#include <QLabel>
#include <array>
#include <utility>

class QGridLayout;
class QLineEdit;

namespace style {

template <typename Widget, typename... Args>
Widget* Named(QWidget* parent, const char* name, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)..., parent);
    widget->setObjectName(name);
    return widget;
}

inline QLabel* Buddy(QLabel* label, QWidget* buddy) {
    label->setBuddy(buddy);
    return label;
}

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

} // namespace style
