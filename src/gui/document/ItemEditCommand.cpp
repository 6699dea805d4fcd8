#include "document/ItemEditCommand.h"

#include "document/ItemListModel.h"
#include "document/MenuDocument.h"

namespace document {
namespace {

// Rows put in at `row`; taking them back removes them.
class InsertRows : public QUndoCommand {
  public:
    InsertRows(ItemListModel& list, int at, std::vector<model::MenuItem> added,
               QUndoCommand* parent)
        : QUndoCommand(parent), items(list), row(at), rows(std::move(added)) {}
    void redo() override { items.InsertItems(row, rows); }
    void undo() override { items.RemoveItems(row, static_cast<int>(rows.size())); }

  private:
    ItemListModel& items;
    int row;
    std::vector<model::MenuItem> rows;
};

// A row taken out; it keeps the row to put it back.
class RemoveRow : public QUndoCommand {
  public:
    RemoveRow(ItemListModel& list, int at, QUndoCommand* parent)
        : QUndoCommand(parent), items(list), row(at) {}
    void redo() override {
        removed = items.ItemAt(row);
        items.RemoveItems(row, 1);
    }
    void undo() override { items.InsertItems(row, {removed}); }

  private:
    ItemListModel& items;
    int row;
    model::MenuItem removed;
};

// A row rewritten in place; each undo and redo swaps the held values with the row's.
class ReplaceRow : public QUndoCommand {
  public:
    ReplaceRow(ItemListModel& list, int at, model::MenuItem replacement, QUndoCommand* parent)
        : QUndoCommand(parent), items(list), row(at), other(std::move(replacement)) {}
    void redo() override { Swap(); }
    void undo() override { Swap(); }

  private:
    void Swap() {
        model::MenuItem held = items.ItemAt(row);
        items.ReplaceItem(row, other);
        other = std::move(held);
    }

    ItemListModel& items;
    int row;
    model::MenuItem other;
};

// A row moved, its text re-made for its new place; undone, it goes back as it was.
class MoveRow : public QUndoCommand {
  public:
    MoveRow(ItemListModel& list, int fromRow, int toRow, model::MenuItem moved,
            QUndoCommand* parent)
        : QUndoCommand(parent), items(list), from(fromRow), to(toRow), after(std::move(moved)) {}
    void redo() override {
        before = items.ItemAt(from);
        items.MoveItem(from, to, after);
    }
    void undo() override { items.MoveItem(to, from, before); }

  private:
    ItemListModel& items;
    int from;
    int to;
    model::MenuItem before;
    model::MenuItem after;
};

} // namespace

ItemEditCommand::ItemEditCommand(MenuDocument& menuDocument, const QString& text,
                                 std::optional<int> before, std::optional<int> after)
    : DocumentCommand(menuDocument, text), selectedBefore(before), selectedAfter(after) {}

void ItemEditCommand::Insert(int row, std::vector<model::MenuItem> rows) {
    new InsertRows(document.Items(), row, std::move(rows), this);
}

void ItemEditCommand::Remove(int row) {
    new RemoveRow(document.Items(), row, this);
}

void ItemEditCommand::Replace(int row, const model::MenuItem& item) {
    new ReplaceRow(document.Items(), row, item, this);
}

void ItemEditCommand::Move(int from, int to, const model::MenuItem& moved) {
    new MoveRow(document.Items(), from, to, moved, this);
}

void ItemEditCommand::redo() {
    QUndoCommand::redo();
    document.ShowSelectedRow(selectedAfter);
}

void ItemEditCommand::undo() {
    QUndoCommand::undo();
    document.ShowSelectedRow(selectedBefore);
}

} // namespace document
