#pragma once

#include "document/DocumentCommand.h"
#include "model/MenuProject.h"

#include <optional>
#include <vector>

namespace document {

// One edit of the item list, made of row changes (its child commands, done in order and taken
// back in reverse); the row selected before the edit comes back with an undo, the row the edit
// selected with a redo.
class ItemEditCommand : public DocumentCommand {
  public:
    ItemEditCommand(MenuDocument& document, const QString& text, std::optional<int> selectedBefore,
                    std::optional<int> selectedAfter);

    // The row changes, in the order they are done.
    void Insert(int row, std::vector<model::MenuItem> rows);
    void Remove(int row);
    void Replace(int row, const model::MenuItem& item);
    void Move(int from, int to, const model::MenuItem& moved);

    bool MarksProjectChanged(bool) const override { return true; }
    void redo() override;
    void undo() override;

  private:
    std::optional<int> selectedBefore;
    std::optional<int> selectedAfter;
};

} // namespace document
