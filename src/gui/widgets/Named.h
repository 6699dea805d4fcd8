#pragma once

#include <QLabel>
#include <utility>

namespace widgets {

// A new control with its object name, the name by which the help and the tests know it.
template <typename Widget, typename... Args>
Widget* Named(const char* name, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(name);
    return widget;
}

// A label that names `buddy` for the keyboard and for screen readers.
inline QLabel* Buddy(QLabel* label, QWidget* buddy) {
    label->setBuddy(buddy);
    return label;
}

} // namespace widgets
