#pragma once

#include "document/DocumentCommand.h"
#include "model/MenuProject.h"

#include <optional>

namespace document {

// A style window's values committed with "OK": one step for the whole window.
class ChangeStyleCommand : public DocumentCommand {
  public:
    ChangeStyleCommand(MenuDocument& document, const model::MenuStyle& style);
    ChangeStyleCommand(MenuDocument& document, const model::ButtonStyle& style);

    bool MarksProjectChanged(bool projectHasFile) const override { return projectHasFile; }
    void redo() override { Swap(); }
    void undo() override { Swap(); }

  private:
    // The held style and the project's change places.
    void Swap();

    std::optional<model::MenuStyle> menuStyle;
    std::optional<model::ButtonStyle> buttonStyle;
};

} // namespace document
