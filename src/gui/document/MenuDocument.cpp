#include "document/MenuDocument.h"

#include "document/DocumentCommand.h"
#include "document/ItemListModel.h"

#include <QUndoStack>
#include <algorithm>

namespace document {
namespace {

// A long session keeps its steps; a command holds only the rows and values it changed.
constexpr int kHistorySteps = 1000;

} // namespace

MenuDocument::MenuDocument(const model::MenuProject& startup, QObject* parent)
    : QObject(parent), project(startup), items(new ItemListModel(project.items, this)),
      history(new QUndoStack(this)) {
    history->setUndoLimit(kHistorySteps);
    connect(history, &QUndoStack::indexChanged, this, &MenuDocument::UpdateChanged);
    connect(history, &QUndoStack::cleanChanged, this, &MenuDocument::UpdateChanged);
}

void MenuDocument::Push(QUndoCommand* edit) {
    history->push(edit);
}

void MenuDocument::SetOptions(const model::MenuOptions& menu, const model::ButtonOptions& button) {
    project.menu = menu;
    project.button = button;
    emit optionsChanged();
}

void MenuDocument::SetMenuStyle(const model::MenuStyle& style) {
    project.menuStyle = style;
    emit menuStyleChanged();
}

void MenuDocument::SetButtonStyle(const model::ButtonStyle& style) {
    project.buttonStyle = style;
    emit buttonStyleChanged();
}

void MenuDocument::ShowSelectedRow(std::optional<int> row) {
    if (row && *row < items->rowCount()) {
        emit selectedRowShown(*row);
    }
}

void MenuDocument::Reset(const model::MenuProject& fresh) {
    history->clear();
    items->ResetItems(fresh.items);
    SetOptions(fresh.menu, fresh.button);
    SetMenuStyle(fresh.menuStyle);
    SetButtonStyle(fresh.buttonStyle);
    UpdateChanged();
}

void MenuDocument::Load(const model::MenuProject& loaded, const QString& path) {
    filePath = path;
    hasFile = true;
    Reset(loaded);
}

void MenuDocument::SetFilePath(const QString& path) {
    filePath = path;
}

void MenuDocument::MarkSaved(const QString& path) {
    filePath = path;
    hasFile = true;
    history->setClean();
    UpdateChanged();
}

void MenuDocument::ForgetFile() {
    hasFile = false;
    UpdateChanged();
}

// Changed when an edit that marks the project changed lies between the saved point and here, or
// when the saved point can no longer be reached.
void MenuDocument::UpdateChanged() {
    const int clean = history->cleanIndex();
    const int index = history->index();
    bool marked = clean < 0;
    for (int step = std::min(clean, index); !marked && step < std::max(clean, index); ++step) {
        marked = static_cast<const DocumentCommand*>(history->command(step))
                     ->MarksProjectChanged(hasFile);
    }
    if (changed != marked) {
        changed = marked;
        emit changedStateChanged(changed);
    }
}

} // namespace document
