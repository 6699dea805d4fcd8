#pragma once

#include "model/ItemRules.h"
#include "model/MenuProject.h"

#include <QObject>
#include <optional>
#include <string>

class QWidget;

namespace document {
class MenuDocument;
}

namespace mainwindow {

class CommandActions;
class ItemEditor;
class ItemListPanel;

// The item commands of the main window: the editor's "Add" and "Update", and "Edit", the moves
// and "Delete" from the item toolbar tb2, the popup menu and a double click; and the enabled
// state of every command that depends on the list or the editor, refreshed when they change.
class ItemCommands : public QObject {
    Q_OBJECT

  public:
    ItemCommands(document::MenuDocument& document, ItemEditor* editor, ItemListPanel* list,
                 const CommandActions& actions, QWidget* window);

    void AddItem();
    void UpdateSelectedItem();
    void LoadItemIntoEditor();
    void MoveItemUp();
    void MoveItemDown();
    void DeleteSelectedItem();

  private:
    void RefreshCommandState();
    void MoveItem(model::MoveDirection direction);
    // The selected row, when the list has one.
    std::optional<int> SelectedRow() const;
    // "Yes" or "No" for a row being written, asking first when another row is preselected.
    std::string SelectedItemRule(std::optional<int> writtenRow);

    document::MenuDocument& document;
    ItemEditor* editor = nullptr;
    ItemListPanel* list = nullptr;
    const CommandActions& actions;
    QWidget* window = nullptr;
};

} // namespace mainwindow
