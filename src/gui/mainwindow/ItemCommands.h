#pragma once

#include "model/ItemRules.h"
#include "model/MenuProject.h"

#include <QList>
#include <QObject>

class QAction;
class QWidget;

namespace mainwindow {

class ItemEditor;
class ItemListModel;
class ItemListPanel;

// The item commands of the main window: the editor's "Add" and "Update", and "Edit", the moves
// and "Delete" from the item toolbar tb2, the popup menu and a double click; and the enabled
// state of every command that depends on the list or the editor, refreshed when they change.
class ItemCommands : public QObject {
    Q_OBJECT

  public:
    // `projectCommands` need at least one row.
    ItemCommands(model::ProjectFlags& flags, ItemEditor* editor, ItemListPanel* list,
                 QList<QAction*> projectCommands, QWidget* window);

    void AddItem();
    void UpdateSelectedItem();
    void LoadItemIntoEditor();
    void MoveItemUp();
    void MoveItemDown();
    void DeleteSelectedItem();
    // A tb2 button by its key; nothing while the list is empty.
    void DispatchItemToolbar(const QString& key);

    void RefreshCommandState();

  private:
    void ConnectCommands();
    void ConnectRefresh();
    void MoveItem(model::MoveDirection direction);
    // "Yes" or "No" for a row being written, asking first when another row is preselected.
    std::string SelectedItemRule(std::optional<int> writtenRow);
    QAction* Command(const char* name) const;

    model::ProjectFlags& flags;
    ItemEditor* editor = nullptr;
    ItemListPanel* list = nullptr;
    ItemListModel* items = nullptr;
    QList<QAction*> projectCommands;
    QWidget* window = nullptr;
};

} // namespace mainwindow
