#include "mainwindow/ItemEditor.h"

#include "mainwindow/LinkTextBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace mainwindow {
namespace {

template <typename Widget, typename... Args>
Widget* Named(const char* name, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(name);
    return widget;
}

QCheckBox* CheckBox(const char* name, const QString& caption, bool checked) {
    auto* box = Named<QCheckBox>(name, caption);
    box->setChecked(checked);
    return box;
}

// A colour row: the text box, its swatch and its pick button, all unavailable while the item
// uses the menu's colours.
QHBoxLayout* ColorRow(int index, const QString& text, const QColor& swatchColor) {
    auto* row = new QHBoxLayout;
    auto* box = Named<QLineEdit>(index == 0 ? "txtclr0" : "txtclr1", text);
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("#DDDDDDD")) + 12);
    auto* swatch = Named<QLabel>(index == 0 ? "lblclr0" : "lblclr1");
    swatch->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    swatch->setAutoFillBackground(true);
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, swatchColor);
    swatch->setPalette(palette);
    swatch->setFixedSize(box->sizeHint().height(), box->sizeHint().height());
    auto* pick = Named<QToolButton>(index == 0 ? "cmdclr0" : "cmdclr1");
    pick->setText(QStringLiteral("..."));
    for (QWidget* control :
         {static_cast<QWidget*>(box), static_cast<QWidget*>(swatch), static_cast<QWidget*>(pick)}) {
        control->setEnabled(false);
        row->addWidget(control);
    }
    row->addStretch();
    return row;
}

} // namespace

ItemEditor::ItemEditor(QWidget* parent) : QGroupBox(tr("Item Properties:"), parent) {
    setObjectName("Frame1");
    auto* grid = new QGridLayout(this);

    auto* itemtexttext = Named<QLineEdit>("itemtexttext");
    auto* itemtextlbl = Named<QLabel>("itemtextlbl", tr("Item Text:"));
    itemtextlbl->setBuddy(itemtexttext);
    grid->addWidget(itemtextlbl, 0, 0);
    grid->addWidget(itemtexttext, 0, 1, 1, 2);

    linktext = Named<LinkTextBox>("linktext");
    auto* linklbl = Named<QLabel>("linklbl", tr("Link URL:"));
    linklbl->setBuddy(linktext);
    grid->addWidget(linklbl, 1, 0);
    grid->addWidget(linktext, 1, 1, 1, 2);

    grid->addWidget(CheckBox("chksel", tr("Default selected"), true), 2, 0);
    grid->addWidget(CheckBox("grheadchk", tr("Group heading"), false), 2, 1);
    grid->addWidget(CheckBox("notlinkchk", tr("Not linked"), false), 2, 2);

    grid->addWidget(CheckBox("chkdefitmclr", tr("Default Color"), true), 3, 0);
    auto* backLabel = Named<QLabel>("Label31", tr("Back Color:"));
    auto* textLabel = Named<QLabel>("Label30", tr("Text Color:"));
    backLabel->setEnabled(false);
    textLabel->setEnabled(false);
    grid->addWidget(backLabel, 3, 1);
    grid->addLayout(ColorRow(0, QStringLiteral("#FFFFFF"), Qt::white), 3, 2);
    grid->addWidget(textLabel, 4, 1);
    grid->addLayout(ColorRow(1, QStringLiteral("#000000"), Qt::black), 4, 2);

    auto* buttons = new QHBoxLayout;
    for (const auto& [name, caption] :
         {std::pair{"additemcmd", tr("Add")}, {"cmdup", tr("Update")}}) {
        auto* button = Named<QPushButton>(name, caption);
        button->setEnabled(false); // nothing to add while the item text is empty
        buttons->addWidget(button);
    }
    grid->addLayout(buttons, 4, 0);
    grid->setColumnStretch(2, 1);
}

} // namespace mainwindow
