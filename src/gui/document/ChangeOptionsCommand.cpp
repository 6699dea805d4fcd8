#include "document/ChangeOptionsCommand.h"

#include "document/MenuDocument.h"

#include <QCoreApplication>

namespace document {
namespace {

constexpr int kTextOptionId = 1;

QString Caption(model::OptionField field) {
    const auto tr = [](const char* text) {
        return QCoreApplication::translate("document::ChangeOptionsCommand", text);
    };
    switch (field) {
    case model::OptionField::MenuName:
        return tr("Change Menu Name");
    case model::OptionField::Navigation:
        return tr("Change Navigation");
    case model::OptionField::LinkTarget:
        return tr("Change Target of Links");
    case model::OptionField::FrameName:
        return tr("Change Frame Name");
    case model::OptionField::ButtonAlign:
        return tr("Change Alignment");
    case model::OptionField::ButtonKind:
        return tr("Change Button Kind");
    case model::OptionField::ButtonText:
        return tr("Change Button Text");
    case model::OptionField::ImageUrl:
        return tr("Change Button Graphic");
    case model::OptionField::ImageWidth:
        return tr("Change Graphic Width");
    case model::OptionField::ImageHeight:
        return tr("Change Graphic Height");
    case model::OptionField::AltText:
        return tr("Change Alt Text");
    }
    return {};
}

} // namespace

ChangeOptionsCommand::ChangeOptionsCommand(MenuDocument& menuDocument, model::OptionField edited,
                                           int textVisit, const model::MenuOptions& menu,
                                           const model::ButtonOptions& button)
    : DocumentCommand(menuDocument, Caption(edited)), field(edited), visit(textVisit),
      menuBefore(menuDocument.Project().menu), buttonBefore(menuDocument.Project().button),
      menuAfter(menu), buttonAfter(button) {}

bool ChangeOptionsCommand::MarksProjectChanged(bool projectHasFile) const {
    return model::EditMarksProjectChanged(field, projectHasFile);
}

int ChangeOptionsCommand::id() const {
    return model::TextOption(menuAfter, buttonAfter, field) != nullptr ? kTextOptionId : -1;
}

bool ChangeOptionsCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const ChangeOptionsCommand*>(other);
    if (next->field != field || next->visit != visit) {
        return false;
    }
    menuAfter = next->menuAfter;
    buttonAfter = next->buttonAfter;
    setObsolete(menuAfter == menuBefore && buttonAfter == buttonBefore);
    return true;
}

void ChangeOptionsCommand::redo() {
    document.SetOptions(menuAfter, buttonAfter);
}

void ChangeOptionsCommand::undo() {
    document.SetOptions(menuBefore, buttonBefore);
}

} // namespace document
