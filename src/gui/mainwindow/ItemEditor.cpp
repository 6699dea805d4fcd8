#include "mainwindow/ItemEditor.h"

#include "mainwindow/LinkTextBox.h"
#include "platform/ColorPicker.h"
#include "widgets/ColorRow.h"
#include "widgets/Named.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace mainwindow {
namespace {

using widgets::Named;

QCheckBox* CheckBox(const char* name, const QString& caption, bool checked) {
    auto* box = Named<QCheckBox>(name, caption);
    box->setChecked(checked);
    return box;
}

const QColor kDesignColors[] = {Qt::white, Qt::black};

} // namespace

ItemEditor::ItemEditor(QWidget* parent) : QGroupBox(tr("Item Properties:"), parent) {
    setObjectName("Frame1");
    auto* grid = new QGridLayout(this);

    itemtexttext = Named<QLineEdit>("itemtexttext");
    auto* itemtextlbl = Named<QLabel>("itemtextlbl", tr("Item Text:"));
    itemtextlbl->setBuddy(itemtexttext);
    grid->addWidget(itemtextlbl, 0, 0);
    grid->addWidget(itemtexttext, 0, 1, 1, 2);

    linktext = Named<LinkTextBox>("linktext");
    linklbl = Named<QLabel>("linklbl", tr("Link URL:"));
    linklbl->setBuddy(linktext);
    grid->addWidget(linklbl, 1, 0);
    grid->addWidget(linktext, 1, 1, 1, 2);

    chksel = CheckBox("chksel", tr("Default selected"), true);
    grheadchk = CheckBox("grheadchk", tr("Group heading"), false);
    notlinkchk = CheckBox("notlinkchk", tr("Not linked"), false);
    grid->addWidget(chksel, 2, 0);
    grid->addWidget(grheadchk, 2, 1);
    grid->addWidget(notlinkchk, 2, 2);

    chkdefitmclr = CheckBox("chkdefitmclr", tr("Default Color"), true);
    grid->addWidget(chkdefitmclr, 3, 0);
    // The labels' indexes are crossed: Label31 names the back colour row 0.
    auto* backLabel = Named<QLabel>("Label31", tr("Back Color:"));
    auto* textLabel = Named<QLabel>("Label30", tr("Text Color:"));
    colorRows = {new widgets::ColorRow(0, widgets::kItemColorRow, backLabel, this),
                 new widgets::ColorRow(1, widgets::kItemColorRow, textLabel, this)};
    for (int index = 0; index < 2; ++index) {
        widgets::ColorRow* row = colorRows[static_cast<std::size_t>(index)];
        row->SetSampleColor(kDesignColors[index]);
        row->SetAvailable(false);
        auto* controls = new QHBoxLayout;
        controls->addWidget(row->Box());
        controls->addWidget(row->Sample());
        controls->addWidget(row->SelectButton());
        controls->addStretch();
        grid->addWidget(index == 0 ? backLabel : textLabel, 3 + index, 1);
        grid->addLayout(controls, 3 + index, 2);
    }

    auto* buttons = new QHBoxLayout;
    additemcmd = Named<QPushButton>("additemcmd", tr("Add"));
    cmdup = Named<QPushButton>("cmdup", tr("Update"));
    for (QPushButton* button : {additemcmd, cmdup}) {
        button->setEnabled(false); // nothing to add while the item text is empty
        buttons->addWidget(button);
    }
    grid->addLayout(buttons, 4, 0);
    // The buttons share a line with the text colour and come before it, as they are seen.
    setTabOrder(colorRows[0]->SelectButton(), additemcmd);
    setTabOrder(additemcmd, cmdup);
    grid->setColumnStretch(2, 1);

    connect(grheadchk, &QCheckBox::toggled, this, &ItemEditor::GroupHeadingReaction);
    connect(notlinkchk, &QCheckBox::toggled, this, &ItemEditor::NotLinkedReaction);
    connect(chkdefitmclr, &QCheckBox::toggled, this, &ItemEditor::DefaultColorReaction);
}

void ItemEditor::InitializeColorFields() {
    for (std::size_t index = 0; index < colorRows.size(); ++index) {
        colorRows[index]->SetText(QString::fromStdString(
            style::ColorToHex(platform::SystemColorOf(kDesignColors[index]))));
    }
    DefaultColorReaction();
}

model::ItemEditorFields ItemEditor::Fields() const {
    return {itemtexttext->text().toStdString(),
            linktext->text().toStdString(),
            notlinkchk->isChecked(),
            grheadchk->isChecked(),
            chkdefitmclr->isChecked(),
            colorRows[0]->Text().toStdString(),
            colorRows[1]->Text().toStdString()};
}

void ItemEditor::ResetItemEditor() {
    itemtexttext->clear();
    linktext->clear();
    notlinkchk->setChecked(false);
    grheadchk->setChecked(false);
    // The reaction runs once more when the box was already checked.
    if (chkdefitmclr->isChecked()) {
        DefaultColorReaction();
    } else {
        chkdefitmclr->setChecked(true);
    }
    itemtexttext->setFocus(Qt::OtherFocusReason);
}

void ItemEditor::LoadItem(const model::MenuItem& item) {
    itemtexttext->setFocus(Qt::OtherFocusReason);
    const std::string_view shown = model::WithoutIndentMarker(item.text);
    itemtexttext->setText(QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size())));
    grheadchk->setChecked(item.heading == model::kYes);
    linktext->setText(QString::fromStdString(item.url));
    notlinkchk->setChecked(item.linked != model::kYes && !grheadchk->isChecked());
    chksel->setChecked(item.selected == model::kYes);
    if (item.backColor.empty() || item.backColor == model::kDefaultColor) {
        chkdefitmclr->setChecked(true);
    } else {
        chkdefitmclr->setChecked(false);
        colorRows[0]->SetText(QString::fromStdString(item.backColor));
        colorRows[1]->SetText(QString::fromStdString(item.textColor));
    }
    itemtexttext->setFocus(Qt::OtherFocusReason);
}

// A heading is never preselected, never "not linked", and carries no link.
void ItemEditor::GroupHeadingReaction() {
    const bool heading = grheadchk->isChecked();
    if (heading) {
        chksel->setChecked(false);
        notlinkchk->setChecked(false);
        linktext->clear();
    }
    chksel->setEnabled(!heading);
    notlinkchk->setEnabled(!heading);
    linktext->setEnabled(!heading);
    linklbl->setEnabled(!heading);
}

// The typed link stays in the box while it is not in use.
void ItemEditor::NotLinkedReaction() {
    const bool linked = !notlinkchk->isChecked();
    linktext->setEnabled(linked);
    linklbl->setEnabled(linked);
}

// The boxes keep their colours while the menu's are used, so clearing the box brings them back.
void ItemEditor::DefaultColorReaction() {
    const bool useDefault = chkdefitmclr->isChecked();
    for (widgets::ColorRow* row : colorRows) {
        row->RunChangeCheck();
        if (useDefault) {
            row->SetSampleColor(window()->palette().color(QPalette::Window));
        } else {
            row->SetText(QString::fromStdString(
                style::ColorToHex(platform::SystemColorOf(row->SampleColor()))));
        }
        row->SetAvailable(!useDefault);
    }
}

} // namespace mainwindow
