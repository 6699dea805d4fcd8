#include "document/ItemEditCommand.h"

#include "document/ItemListModel.h"
#include "document/MenuDocument.h"

namespace document {
namespace {

// Rows put in at `row`; taking them back removes them.
class InsertRows : public QUndoCommand {
  public:
    InsertRows(MenuDocument& menu, int at, std::vector<model::MenuItem> added, QUndoCommand* parent)
        : QUndoCommand(parent), document(menu), row(at), rows(std::move(added)) {}
    void redo() override { document.InsertItems(row, rows); }
    void undo() override { document.RemoveItems(row, static_cast<int>(rows.size())); }

  private:
    MenuDocument& document;
    int row;
    std::vector<model::MenuItem> rows;
};

// A row taken out; it keeps the row to put it back.
class RemoveRow : public QUndoCommand {
  public:
    RemoveRow(MenuDocument& menu, int at, QUndoCommand* parent)
        : QUndoCommand(parent), document(menu), row(at) {}
    void redo() override {
        removed = document.Items().ItemAt(row);
        document.RemoveItems(row, 1);
    }
    void undo() override { document.InsertItems(row, {removed}); }

  private:
    MenuDocument& document;
    int row;
    model::MenuItem removed;
};

// A row rewritten in place; each undo and redo swaps the held values with the row's.
class ReplaceRow : public QUndoCommand {
  public:
    ReplaceRow(MenuDocument& menu, int at, model::MenuItem replacement, QUndoCommand* parent)
        : QUndoCommand(parent), document(menu), row(at), other(std::move(replacement)) {}
    void redo() override { Swap(); }
    void undo() override { Swap(); }

  private:
    void Swap() {
        model::MenuItem held = document.Items().ItemAt(row);
        document.ReplaceItem(row, other);
        other = std::move(held);
    }

    MenuDocument& document;
    int row;
    model::MenuItem other;
};

// A row moved, its text re-made for its new place; undone, it goes back as it was.
class MoveRow : public QUndoCommand {
  public:
    MoveRow(MenuDocument& menu, int fromRow, int toRow, model::MenuItem moved, QUndoCommand* parent)
        : QUndoCommand(parent), document(menu), from(fromRow), to(toRow), after(std::move(moved)) {}
    void redo() override {
        before = document.Items().ItemAt(from);
        document.MoveItem(from, to, after);
    }
    void undo() override { document.MoveItem(to, from, before); }

  private:
    MenuDocument& document;
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
    new InsertRows(document, row, std::move(rows), this);
}

void ItemEditCommand::Remove(int row) {
    new RemoveRow(document, row, this);
}

void ItemEditCommand::Replace(int row, const model::MenuItem& item) {
    new ReplaceRow(document, row, item, this);
}

void ItemEditCommand::Move(int from, int to, const model::MenuItem& moved) {
    new MoveRow(document, from, to, moved, this);
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
