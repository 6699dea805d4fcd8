#pragma once

#include "model/ItemRules.h"

#include <QGroupBox>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace widgets {
class ColorRow;
}

namespace mainwindow {

class LinkTextBox;

// Frame1, "Item Properties:": the editor of one menu item. Colour controls are pairs named with
// their index appended: txtclr0 (back colour), txtclr1 (text colour), likewise lblclr, cmdclr and
// Label3 (Label30 labels the text colour, Label31 the back colour). Setting a check box from
// code runs its reaction as a click does.
class ItemEditor : public QGroupBox {
    Q_OBJECT

  public:
    explicit ItemEditor(QWidget* parent = nullptr);

    QLineEdit* ItemText() const { return itemtexttext; }
    LinkTextBox* LinkText() const { return linktext; }
    QCheckBox* DefaultSelected() const { return chksel; }
    QCheckBox* GroupHeading() const { return grheadchk; }
    QCheckBox* NotLinked() const { return notlinkchk; }
    QPushButton* AddButton() const { return additemcmd; }
    QPushButton* UpdateButton() const { return cmdup; }

    // Start-up: the colour boxes take their samples' design colours, then "Default Color" reacts.
    void InitializeColorFields();

    model::ItemEditorFields Fields() const;

    // Empty for the next item: no text or link, linked, no heading, the menu's colours.
    void ResetItemEditor();

    // "Edit": the row's values into the editor, without its indent marker.
    void LoadItem(const model::MenuItem& item);

  private:
    void GroupHeadingReaction();
    void NotLinkedReaction();
    void DefaultColorReaction();

    QLineEdit* itemtexttext = nullptr;
    LinkTextBox* linktext = nullptr;
    QLabel* linklbl = nullptr;
    QCheckBox* chksel = nullptr;
    QCheckBox* grheadchk = nullptr;
    QCheckBox* notlinkchk = nullptr;
    QCheckBox* chkdefitmclr = nullptr;
    std::array<widgets::ColorRow*, 2> colorRows{}; // back colour, text colour
    QPushButton* additemcmd = nullptr;
    QPushButton* cmdup = nullptr;
};

} // namespace mainwindow
