#pragma once

#include <QGroupBox>

namespace mainwindow {

class LinkTextBox;

// Frame1, "Item Properties:": the editor of one menu item. Colour controls are pairs named with
// their index appended: txtclr0 (back colour), txtclr1 (text colour), likewise lblclr, cmdclr and
// Label3 (Label30 labels the text colour, Label31 the back colour).
class ItemEditor : public QGroupBox {
    Q_OBJECT

  public:
    explicit ItemEditor(QWidget* parent = nullptr);

    LinkTextBox* LinkText() const { return linktext; }

  private:
    LinkTextBox* linktext = nullptr;
};

} // namespace mainwindow
