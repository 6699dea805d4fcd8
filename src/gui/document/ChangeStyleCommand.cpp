#include "document/ChangeStyleCommand.h"

#include "document/MenuDocument.h"

#include <QCoreApplication>

namespace document {

ChangeStyleCommand::ChangeStyleCommand(MenuDocument& menuDocument, const model::MenuStyle& style)
    : DocumentCommand(menuDocument,
                      QCoreApplication::translate("ChangeStyleCommand", "Change Menu Style")),
      menuStyle(style) {}

ChangeStyleCommand::ChangeStyleCommand(MenuDocument& menuDocument, const model::ButtonStyle& style)
    : DocumentCommand(menuDocument,
                      QCoreApplication::translate("ChangeStyleCommand", "Change Button Style")),
      buttonStyle(style) {}

void ChangeStyleCommand::Swap() {
    if (menuStyle) {
        const model::MenuStyle held = document.Project().menuStyle;
        document.SetMenuStyle(*menuStyle);
        menuStyle = held;
    } else {
        const model::ButtonStyle held = document.Project().buttonStyle;
        document.SetButtonStyle(*buttonStyle);
        buttonStyle = held;
    }
}

} // namespace document
