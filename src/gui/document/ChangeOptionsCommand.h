#pragma once

#include "document/DocumentCommand.h"
#include "model/OptionRules.h"

namespace document {

// The menu and button options after the user changed one of them. Typing into one box is one
// step for as long as the box keeps the focus: the edits of one visit merge.
class ChangeOptionsCommand : public DocumentCommand {
  public:
    // `visit` counts the user's visits to text boxes; edits of choices never merge.
    ChangeOptionsCommand(MenuDocument& document, model::OptionField field, int visit,
                         const model::MenuOptions& menu, const model::ButtonOptions& button);

    bool MarksProjectChanged(bool projectHasFile) const override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;
    void redo() override;
    void undo() override;

  private:
    model::OptionField field;
    int visit;
    model::MenuOptions menuBefore;
    model::ButtonOptions buttonBefore;
    model::MenuOptions menuAfter;
    model::ButtonOptions buttonAfter;
};

} // namespace document
