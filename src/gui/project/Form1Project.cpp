#include "mainwindow/Form1.h"

#include <QLineEdit>

namespace mainwindow {

void Form1::ApplyStyles(const model::MenuStyle& menu, const model::ButtonStyle& button) {
    menuStyle = menu;
    buttonStyle = button;
}

void Form1::StoreAdvValues() {}

void Form1::PrepareItemEditor() {
    auto* itemText = findChild<QLineEdit*>("itemtexttext");
    itemText->clear();
    findChild<QLineEdit*>("linktext")->clear();
    itemText->setFocus(Qt::OtherFocusReason);
}

} // namespace mainwindow
