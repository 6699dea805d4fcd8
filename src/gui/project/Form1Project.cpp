#include "mainwindow/Form1.h"
#include "mainwindow/ItemEditor.h"

#include <QLineEdit>

namespace mainwindow {

void Form1::ApplyStyles(const model::MenuStyle& menu, const model::ButtonStyle& button) {
    menuStyle = menu;
    buttonStyle = button;
}

void Form1::StoreAdvValues() {}

void Form1::PrepareItemEditor() {
    frame1->ResetItemEditor();
}

} // namespace mainwindow
