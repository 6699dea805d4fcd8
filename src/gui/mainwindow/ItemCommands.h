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
    // A row dragged to `before`, the row it now comes before (the row count for the end).
    void MoveItemBefore(int from, int before);
    void DeleteSelectedItem();

  private:
    // What the preselection rule decided for a row being written: its `selected`, and the row
    // that gives up the preselection to it.
    struct Preselection {
        std::string selected;
        std::optional<int> givenUpBy;
    };

    void RefreshCommandState();
    void MoveItem(int from, int to, const QString& text);
    // Asks first when another row is preselected.
    Preselection SelectedItemRule(std::optional<int> writtenRow);
    // The editor's item written to `row`, after the preselection it takes over.
    void WriteRow(const QString& text, int row, model::ItemWrite write);

    document::MenuDocument& document;
    ItemEditor* editor = nullptr;
    ItemListPanel* list = nullptr;
    const CommandActions& actions;
    QWidget* window = nullptr;
};

} // namespace mainwindow
