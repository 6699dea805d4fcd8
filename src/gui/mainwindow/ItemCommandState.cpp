#include "mainwindow/ItemCommands.h"
#include "mainwindow/ItemEditor.h"
#include "mainwindow/ItemListModel.h"
#include "mainwindow/ItemListPanel.h"
#include "mainwindow/LinkTextBox.h"
#include "model/CommandState.h"

#include <QAction>
#include <QCheckBox>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTreeView>

namespace mainwindow {

// Every input of the rule has a change signal, so the state is refreshed only when one changes.
void ItemCommands::ConnectRefresh() {
    const auto refresh = [this] { RefreshCommandState(); };
    connect(editor->ItemText(), &QLineEdit::textChanged, this, refresh);
    connect(editor->LinkText(), &QLineEdit::textChanged, this, refresh);
    connect(editor->NotLinked(), &QCheckBox::toggled, this, refresh);
    connect(editor->GroupHeading(), &QCheckBox::toggled, this, refresh);
    connect(items, &ItemListModel::rowsInserted, this, refresh);
    connect(items, &ItemListModel::rowsRemoved, this, refresh);
    connect(items, &ItemListModel::rowsMoved, this, refresh);
    connect(items, &ItemListModel::modelReset, this, refresh);
    connect(list->List()->selectionModel(), &QItemSelectionModel::selectionChanged, this, refresh);
}

void ItemCommands::RefreshCommandState() {
    model::CommandInputs inputs;
    inputs.count = static_cast<std::size_t>(items->rowCount());
    if (const std::optional<int> row = list->SelectedRow()) {
        inputs.selected = static_cast<std::size_t>(*row);
    }
    inputs.itemTextEmpty = editor->ItemText()->text().isEmpty();
    inputs.linkEmpty = editor->LinkText()->text().isEmpty();
    inputs.notLinked = editor->NotLinked()->isChecked();
    inputs.heading = editor->GroupHeading()->isChecked();
    const model::CommandState state = model::RefreshCommandState(inputs);

    for (QAction* command : projectCommands) {
        command->setEnabled(state.projectCommands);
    }
    editor->AddButton()->setEnabled(state.add);
    editor->UpdateButton()->setEnabled(state.update);
    const std::pair<const char*, bool> listCommands[] = {
        {"movup", state.moveUp},   {"mnuListPopMovUp", state.moveUp},
        {"movdn", state.moveDown}, {"mnuListPopMovDn", state.moveDown},
        {"edit", state.edit},      {"mnuListPopEdt", state.edit},
        {"delete", state.remove},  {"mnuListPopRem", state.remove},
    };
    for (const auto& [name, enabled] : listCommands) {
        Command(name)->setEnabled(enabled);
    }
}

} // namespace mainwindow
