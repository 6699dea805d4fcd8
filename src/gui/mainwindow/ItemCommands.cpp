#include "mainwindow/ItemCommands.h"

#include "mainwindow/ItemEditor.h"
#include "mainwindow/ItemListModel.h"
#include "mainwindow/ItemListPanel.h"
#include "platform/MessageBoxes.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QTreeView>

namespace mainwindow {

ItemCommands::ItemCommands(model::ProjectFlags& projectFlags, ItemEditor* itemEditor,
                           ItemListPanel* itemList, QList<QAction*> listCommands,
                           QWidget* parentWindow)
    : QObject(parentWindow), flags(projectFlags), editor(itemEditor), list(itemList),
      items(itemList->Model()), projectCommands(std::move(listCommands)), window(parentWindow) {
    ConnectCommands();
    ConnectRefresh();
    RefreshCommandState();
}

QAction* ItemCommands::Command(const char* name) const {
    return list->findChild<QAction*>(name);
}

void ItemCommands::ConnectCommands() {
    connect(editor->AddButton(), &QAbstractButton::clicked, this, &ItemCommands::AddItem);
    connect(editor->UpdateButton(), &QAbstractButton::clicked, this,
            &ItemCommands::UpdateSelectedItem);
    for (const char* key : {"movup", "movdn", "edit", "delete"}) {
        connect(Command(key), &QAction::triggered, this,
                [this, key] { DispatchItemToolbar(QString::fromLatin1(key)); });
    }
    connect(Command("mnuListPopMovUp"), &QAction::triggered, this, &ItemCommands::MoveItemUp);
    connect(Command("mnuListPopMovDn"), &QAction::triggered, this, &ItemCommands::MoveItemDown);
    connect(Command("mnuListPopEdt"), &QAction::triggered, this, &ItemCommands::LoadItemIntoEditor);
    connect(Command("mnuListPopRem"), &QAction::triggered, this, &ItemCommands::DeleteSelectedItem);
    connect(list, &ItemListPanel::rowDoubleClicked, this, &ItemCommands::LoadItemIntoEditor);
}

void ItemCommands::DispatchItemToolbar(const QString& key) {
    if (items->rowCount() == 0) {
        return;
    }
    if (key == "delete") {
        DeleteSelectedItem();
    } else if (key == "edit") {
        LoadItemIntoEditor();
    } else if (key == "movdn") {
        MoveItemDown();
    } else if (key == "movup") {
        MoveItemUp();
    }
}

std::string ItemCommands::SelectedItemRule(std::optional<int> writtenRow) {
    QCheckBox* chksel = editor->DefaultSelected();
    if (!chksel->isChecked()) {
        return model::kNo;
    }
    chksel->setChecked(false);
    const std::optional<int> found = items->FirstSelectedRow(writtenRow);
    if (!found) {
        return model::kYes;
    }
    const QString question =
        tr("You have already designated \"%1\" as the selected item in the menu. Do you wish to "
           "change it to this one?")
            .arg(QString::fromStdString(items->ItemAt(*found).text));
    const model::UserMessage message{tr("Selected Item").toStdString(), question.toStdString(),
                                     model::MessageIcon::Question};
    if (platform::ShowMessage(window, message, platform::MessageButtons::YesNo) !=
        platform::MessageAnswer::Yes) {
        return model::kNo;
    }
    items->SetSelected(*found, model::kNo);
    return model::kYes;
}

void ItemCommands::AddItem() {
    flags.projectChanged = true;
    const model::ItemEditorFields fields = editor->Fields();
    const int row = items->rowCount();
    model::MenuItem item = model::ItemFromEditor(fields, model::ItemWrite::Add,
                                                 !fields.heading && items->HeadingAbove(row));
    item.selected = SelectedItemRule(std::nullopt);
    items->InsertItem(row, item);
    list->SelectRow(row);
    editor->ResetItemEditor();
}

// The row is rewritten in place: it no longer takes part in the preselection search.
void ItemCommands::UpdateSelectedItem() {
    const std::optional<int> row = list->SelectedRow();
    if (!row) {
        return;
    }
    flags.projectChanged = true;
    const model::ItemEditorFields fields = editor->Fields();
    model::MenuItem item = model::ItemFromEditor(fields, model::ItemWrite::Update,
                                                 !fields.heading && items->HeadingAbove(*row));
    item.selected = SelectedItemRule(row);
    items->ReplaceItem(*row, item);
    list->SelectRow(*row);
    editor->ResetItemEditor();
}

void ItemCommands::LoadItemIntoEditor() {
    if (const std::optional<int> row = list->SelectedRow()) {
        editor->LoadItem(items->ItemAt(*row));
    }
}

void ItemCommands::MoveItemUp() {
    MoveItem(model::MoveDirection::Up);
}

void ItemCommands::MoveItemDown() {
    MoveItem(model::MoveDirection::Down);
}

void ItemCommands::MoveItem(model::MoveDirection direction) {
    const std::optional<int> row = list->SelectedRow();
    if (!row) {
        return;
    }
    const auto positions = model::MovePositionsOf(static_cast<std::size_t>(*row), direction,
                                                  static_cast<std::size_t>(items->rowCount()));
    if (!positions) {
        return;
    }
    flags.projectChanged = true;
    list->List()->setFocus(Qt::OtherFocusReason);
    model::MenuItem moved = items->ItemAt(*row);
    const bool heading = moved.heading == model::kYes;
    const int insertAt = static_cast<int>(positions->insertAt);
    moved.text = model::IndentRule(model::WithoutIndentMarker(moved.text), heading,
                                   items->HeadingAbove(insertAt));
    items->InsertItem(insertAt, moved);
    items->removeRow(static_cast<int>(positions->removeAt));
    list->SelectRow(static_cast<int>(positions->movedTo));
}

void ItemCommands::DeleteSelectedItem() {
    const model::UserMessage question{tr("Confirm Delete").toStdString(),
                                      tr("Delete selected item?").toStdString(),
                                      model::MessageIcon::Question};
    if (platform::ShowMessage(window, question, platform::MessageButtons::YesNo) !=
        platform::MessageAnswer::Yes) {
        return;
    }
    const std::optional<int> row = list->SelectedRow();
    if (!row) {
        return;
    }
    flags.projectChanged = true;
    list->List()->setFocus(Qt::OtherFocusReason);
    items->removeRow(*row);
    if (const auto next = model::RowAfterDeletion(static_cast<std::size_t>(*row),
                                                  static_cast<std::size_t>(items->rowCount()))) {
        list->SelectRow(static_cast<int>(*next));
    }
}

} // namespace mainwindow
