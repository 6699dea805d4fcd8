#pragma once

#include <QUndoCommand>

namespace document {

class MenuDocument;

// A step of the document's history, as the user sees it in "Undo ..." and "Redo ...".
class DocumentCommand : public QUndoCommand {
  public:
    DocumentCommand(MenuDocument& document, const QString& text);

    // Whether this edit, done or taken back, makes the project differ from its file: item edits
    // always, the menu name always, other options and the styles once the project has a file.
    virtual bool MarksProjectChanged(bool projectHasFile) const = 0;

  protected:
    MenuDocument& document;
};

} // namespace document
