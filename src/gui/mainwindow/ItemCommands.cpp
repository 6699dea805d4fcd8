#include "mainwindow/ItemCommands.h"

#include "document/ItemEditCommand.h"
#include "document/ItemListModel.h"
#include "document/MenuDocument.h"
#include "mainwindow/CommandActions.h"
#include "mainwindow/ItemEditor.h"
#include "mainwindow/ItemListPanel.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/LinkTextBox.h"
#include "model/CommandState.h"
#include "model/Translatable.h"
#include "platform/MessageBoxes.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>

namespace mainwindow {

ItemCommands::ItemCommands(document::MenuDocument& menuDocument, ItemEditor* itemEditor,
                           ItemListPanel* itemList, const CommandActions& commandActions,
                           QWidget* parentWindow)
    : QObject(parentWindow), document(menuDocument), editor(itemEditor), list(itemList),
      actions(commandActions), window(parentWindow) {
    connect(editor->AddButton(), &QAbstractButton::clicked, this, &ItemCommands::AddItem);
    connect(editor->UpdateButton(), &QAbstractButton::clicked, this,
            &ItemCommands::UpdateSelectedItem);
    connect(actions.moveUp, &QAction::triggered, this, &ItemCommands::MoveItemUp);
    connect(actions.moveDown, &QAction::triggered, this, &ItemCommands::MoveItemDown);
    connect(actions.edit, &QAction::triggered, this, &ItemCommands::LoadItemIntoEditor);
    connect(actions.remove, &QAction::triggered, this, &ItemCommands::DeleteSelectedItem);
    connect(list->List(), &ItemListView::doubleClicked, this, &ItemCommands::LoadItemIntoEditor);
    connect(list->List(), &ItemListView::rowDropped, this, &ItemCommands::MoveItemBefore);
    // Enter in the item's text or link adds it, when "Add" can.
    for (QLineEdit* box : {editor->ItemText(), static_cast<QLineEdit*>(editor->LinkText())}) {
        connect(box, &QLineEdit::returnPressed, this, [this] {
            if (editor->AddButton()->isEnabled()) {
                AddItem();
            }
        });
    }

    // Every input of the rule has a change signal, so the state is refreshed only when one
    // changes.
    const auto refresh = [this] { RefreshCommandState(); };
    connect(editor->ItemText(), &QLineEdit::textChanged, this, refresh);
    connect(editor->LinkText(), &QLineEdit::textChanged, this, refresh);
    connect(editor->NotLinked(), &QCheckBox::toggled, this, refresh);
    connect(editor->GroupHeading(), &QCheckBox::toggled, this, refresh);
    const document::ItemListModel* items = &document.Items();
    connect(items, &document::ItemListModel::rowsInserted, this, refresh);
    connect(items, &document::ItemListModel::rowsRemoved, this, refresh);
    connect(items, &document::ItemListModel::rowsMoved, this, refresh);
    connect(items, &document::ItemListModel::modelReset, this, refresh);
    connect(list, &ItemListPanel::selectedRowChanged, this, refresh);
    RefreshCommandState();
}

void ItemCommands::RefreshCommandState() {
    model::CommandInputs inputs;
    inputs.count = static_cast<std::size_t>(document.Items().rowCount());
    if (const std::optional<int> row = list->SelectedRow()) {
        inputs.selected = static_cast<std::size_t>(*row);
    }
    inputs.itemTextEmpty = editor->ItemText()->text().isEmpty();
    inputs.linkEmpty = editor->LinkText()->text().isEmpty();
    inputs.notLinked = editor->NotLinked()->isChecked();
    inputs.heading = editor->GroupHeading()->isChecked();
    const model::CommandState state = model::RefreshCommandState(inputs);

    for (QAction* command : actions.ProjectCommands()) {
        command->setEnabled(state.projectCommands);
    }
    editor->AddButton()->setEnabled(state.add);
    editor->UpdateButton()->setEnabled(state.update);
    actions.moveUp->setEnabled(state.moveUp);
    actions.moveDown->setEnabled(state.moveDown);
    actions.edit->setEnabled(state.edit);
    actions.remove->setEnabled(state.remove);
}

ItemCommands::Preselection ItemCommands::SelectedItemRule(std::optional<int> writtenRow) {
    QCheckBox* chksel = editor->DefaultSelected();
    if (!chksel->isChecked()) {
        return {model::kNo, std::nullopt};
    }
    chksel->setChecked(false);
    const std::optional<int> found = document.Items().FirstSelectedRow(writtenRow);
    if (!found) {
        return {model::kYes, std::nullopt};
    }
    const model::UserMessage message{
        TRANSLATABLE("messages", "Selected Item"),
        TRANSLATABLE("messages", "You have already designated \"%1\" as the selected item in the "
                                 "menu. Do you wish to change it to this one?"),
        model::MessageIcon::Question,
        {document.Items().ItemAt(*found).text}};
    if (platform::ShowMessage(window, message, platform::MessageButtons::YesNo) !=
        platform::MessageAnswer::Yes) {
        return {model::kNo, std::nullopt};
    }
    return {model::kYes, found};
}

// An updated row is rewritten in place: it no longer takes part in the preselection search.
void ItemCommands::WriteRow(const QString& text, int row, model::ItemWrite write) {
    const bool inserted = write == model::ItemWrite::Add;
    const model::ItemEditorFields fields = editor->Fields();
    model::MenuItem item =
        model::ItemFromEditor(fields, write, !fields.heading && document.Items().HeadingAbove(row));
    const Preselection rule = SelectedItemRule(inserted ? std::nullopt : std::optional<int>(row));
    item.selected = rule.selected;
    auto* edit = new document::ItemEditCommand(document, text, list->SelectedRow(), row);
    if (rule.givenUpBy) {
        model::MenuItem previous = document.Items().ItemAt(*rule.givenUpBy);
        previous.selected = model::kNo;
        edit->Replace(*rule.givenUpBy, previous);
    }
    if (inserted) {
        edit->Insert(row, {item});
    } else {
        edit->Replace(row, item);
    }
    document.Push(edit);
    editor->ResetItemEditor();
}

void ItemCommands::AddItem() {
    WriteRow(tr("Add Item"), document.Items().rowCount(), model::ItemWrite::Add);
}

void ItemCommands::UpdateSelectedItem() {
    if (const std::optional<int> row = list->SelectedRow()) {
        WriteRow(tr("Update Item"), *row, model::ItemWrite::Update);
    }
}

void ItemCommands::LoadItemIntoEditor() {
    if (const std::optional<int> row = list->SelectedRow()) {
        editor->LoadItem(document.Items().ItemAt(*row));
    }
}

void ItemCommands::MoveItemUp() {
    if (const std::optional<int> row = list->SelectedRow(); row && *row > 0) {
        MoveItem(*row, *row - 1, tr("Move Item Up"));
    }
}

void ItemCommands::MoveItemDown() {
    if (const std::optional<int> row = list->SelectedRow();
        row && *row + 1 < document.Items().rowCount()) {
        MoveItem(*row, *row + 1, tr("Move Item Down"));
    }
}

void ItemCommands::MoveItemBefore(int from, int before) {
    const int to = before > from ? before - 1 : before;
    if (to != from) {
        MoveItem(from, to, tr("Move Item"));
    }
}

// The moved row's marker follows the headings above its new place, the row itself not counted;
// the rows around it keep their texts.
void ItemCommands::MoveItem(int from, int to, const QString& text) {
    list->List()->setFocus(Qt::OtherFocusReason);
    model::MenuItem moved = document.Items().ItemAt(from);
    moved.text =
        model::IndentRule(model::WithoutIndentMarker(moved.text), moved.heading == model::kYes,
                          document.Items().HeadingAbove(to > from ? to + 1 : to));
    auto* edit = new document::ItemEditCommand(document, text, list->SelectedRow(), to);
    edit->Move(from, to, moved);
    document.Push(edit);
}

void ItemCommands::DeleteSelectedItem() {
    if (document.Items().rowCount() == 0) {
        return;
    }
    const model::UserMessage question{TRANSLATABLE("messages", "Confirm Delete"),
                                      TRANSLATABLE("messages", "Delete selected item?"),
                                      model::MessageIcon::Question,
                                      {}};
    if (platform::ShowMessage(window, question, platform::MessageButtons::YesNo) !=
        platform::MessageAnswer::Yes) {
        return;
    }
    const std::optional<int> row = list->SelectedRow();
    if (!row) {
        return;
    }
    list->List()->setFocus(Qt::OtherFocusReason);
    const auto next = model::RowAfterDeletion(
        static_cast<std::size_t>(*row), static_cast<std::size_t>(document.Items().rowCount() - 1));
    auto* edit = new document::ItemEditCommand(document, tr("Delete Item"), row,
                                               next ? std::optional<int>(static_cast<int>(*next))
                                                    : std::nullopt);
    edit->Remove(*row);
    document.Push(edit);
}

} // namespace mainwindow
