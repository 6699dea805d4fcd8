#include "document/ChangeOptionsCommand.h"

#include "document/MenuDocument.h"

#include <QCoreApplication>

namespace document {
namespace {

constexpr int kTextOptionId = 1;

QString Caption(model::OptionField field) {
    const char* text = "";
    switch (field) {
    case model::OptionField::MenuName:
        text = QT_TRANSLATE_NOOP("ChangeOptionsCommand", "Change Menu Name");
        break;
    case model::OptionField::Navigation:
        text = QT_TRANSLATE_NOOP("ChangeOptionsCommand", "Change Navigation");
        break;
    case model::OptionField::LinkTarget:
        text = QT_TRANSLATE_NOOP("ChangeOptionsCommand", "Change Target of Links");
        break;
    case model::OptionField::FrameName:
        text = QT_TRANSLATE_NOOP("ChangeOptionsCommand", "Change Frame Name");
        break;
    case model::OptionField::ButtonAlign:
        text = QT_TRANSLATE_NOOP("ChangeOptionsCommand", "Change Alignment");
        break;
    case model::OptionField::ButtonKind:
        text = QT_TRANSLATE_NOOP("ChangeOptionsCommand", "Change Button Kind");
        break;
    case model::OptionField::ButtonText:
        text = QT_TRANSLATE_NOOP("ChangeOptionsCommand", "Change Button Text");
        break;
    case model::OptionField::ImageUrl:
        text = QT_TRANSLATE_NOOP("ChangeOptionsCommand", "Change Button Graphic");
        break;
    case model::OptionField::ImageWidth:
        text = QT_TRANSLATE_NOOP("ChangeOptionsCommand", "Change Graphic Width");
        break;
    case model::OptionField::ImageHeight:
        text = QT_TRANSLATE_NOOP("ChangeOptionsCommand", "Change Graphic Height");
        break;
    case model::OptionField::AltText:
        text = QT_TRANSLATE_NOOP("ChangeOptionsCommand", "Change Alt Text");
        break;
    }
    return QCoreApplication::translate("ChangeOptionsCommand", text);
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
