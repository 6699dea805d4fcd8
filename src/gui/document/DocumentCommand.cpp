#include "document/DocumentCommand.h"

namespace document {

DocumentCommand::DocumentCommand(MenuDocument& menuDocument, const QString& text)
    : QUndoCommand(text), document(menuDocument) {}

} // namespace document
