#include "mainwindow/ItemCommands.h"

#include "document/ItemListModel.h"
#include "document/MenuDocument.h"
#include "mainwindow/CommandActions.h"
#include "mainwindow/ItemEditor.h"
#include "mainwindow/ItemListPanel.h"
#include "mainwindow/LinkTextBox.h"
#include "model/CommandState.h"
#include "platform/MessageBoxes.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QTreeView>

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
    connect(list, &ItemListPanel::rowDoubleClicked, this, &ItemCommands::LoadItemIntoEditor);

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

std::optional<int> ItemCommands::SelectedRow() const {
    return document.Items().rowCount() == 0 ? std::nullopt : list->SelectedRow();
}

std::string ItemCommands::SelectedItemRule(std::optional<int> writtenRow) {
    QCheckBox* chksel = editor->DefaultSelected();
    if (!chksel->isChecked()) {
        return model::kNo;
    }
    chksel->setChecked(false);
    const std::optional<int> found = document.Items().FirstSelectedRow(writtenRow);
    if (!found) {
        return model::kYes;
    }
    const QString question =
        tr("You have already designated \"%1\" as the selected item in the menu. Do you wish to "
           "change it to this one?")
            .arg(QString::fromStdString(document.Items().ItemAt(*found).text));
    const model::UserMessage message{tr("Selected Item").toStdString(), question.toStdString(),
                                     model::MessageIcon::Question};
    if (platform::ShowMessage(window, message, platform::MessageButtons::YesNo) !=
        platform::MessageAnswer::Yes) {
        return model::kNo;
    }
    model::MenuItem previous = document.Items().ItemAt(*found);
    previous.selected = model::kNo;
    document.ReplaceItem(*found, previous);
    return model::kYes;
}

void ItemCommands::AddItem() {
    const model::ItemEditorFields fields = editor->Fields();
    const int row = document.Items().rowCount();
    model::MenuItem item = model::ItemFromEditor(
        fields, model::ItemWrite::Add, !fields.heading && document.Items().HeadingAbove(row));
    item.selected = SelectedItemRule(std::nullopt);
    document.InsertItem(row, item);
    list->SelectRow(row);
    editor->ResetItemEditor();
}

// The row is rewritten in place: it no longer takes part in the preselection search.
void ItemCommands::UpdateSelectedItem() {
    const std::optional<int> row = SelectedRow();
    if (!row) {
        return;
    }
    const model::ItemEditorFields fields = editor->Fields();
    model::MenuItem item = model::ItemFromEditor(
        fields, model::ItemWrite::Update, !fields.heading && document.Items().HeadingAbove(*row));
    item.selected = SelectedItemRule(row);
    document.ReplaceItem(*row, item);
    list->SelectRow(*row);
    editor->ResetItemEditor();
}

void ItemCommands::LoadItemIntoEditor() {
    if (const std::optional<int> row = SelectedRow()) {
        editor->LoadItem(document.Items().ItemAt(*row));
    }
}

void ItemCommands::MoveItemUp() {
    MoveItem(model::MoveDirection::Up);
}

void ItemCommands::MoveItemDown() {
    MoveItem(model::MoveDirection::Down);
}

void ItemCommands::MoveItem(model::MoveDirection direction) {
    const std::optional<int> row = SelectedRow();
    if (!row) {
        return;
    }
    const auto positions =
        model::MovePositionsOf(static_cast<std::size_t>(*row), direction,
                               static_cast<std::size_t>(document.Items().rowCount()));
    if (!positions) {
        return;
    }
    list->List()->setFocus(Qt::OtherFocusReason);
    const auto movedTo = static_cast<int>(positions->movedTo);
    model::MenuItem moved = document.Items().ItemAt(*row);
    // The marker follows the headings above the new place, the moved row not counted.
    const int above = movedTo > *row ? movedTo + 1 : movedTo;
    moved.text =
        model::IndentRule(model::WithoutIndentMarker(moved.text), moved.heading == model::kYes,
                          document.Items().HeadingAbove(above));
    document.MoveItem(*row, movedTo, moved);
    list->SelectRow(movedTo);
}

void ItemCommands::DeleteSelectedItem() {
    if (document.Items().rowCount() == 0) {
        return;
    }
    const model::UserMessage question{tr("Confirm Delete").toStdString(),
                                      tr("Delete selected item?").toStdString(),
                                      model::MessageIcon::Question};
    if (platform::ShowMessage(window, question, platform::MessageButtons::YesNo) !=
        platform::MessageAnswer::Yes) {
        return;
    }
    const std::optional<int> row = SelectedRow();
    if (!row) {
        return;
    }
    list->List()->setFocus(Qt::OtherFocusReason);
    document.RemoveItem(*row);
    if (const auto next =
            model::RowAfterDeletion(static_cast<std::size_t>(*row),
                                    static_cast<std::size_t>(document.Items().rowCount()))) {
        list->SelectRow(static_cast<int>(*next));
    }
}

} // namespace mainwindow
