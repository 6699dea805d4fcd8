#include "document/MenuDocument.h"

#include "document/ItemListModel.h"

namespace document {

MenuDocument::MenuDocument(const model::MenuProject& startup, QObject* parent)
    : QObject(parent), project(startup), items(new ItemListModel(project.items, this)) {}

void MenuDocument::InsertItem(int row, const model::MenuItem& item) {
    items->InsertItem(row, item);
    SetChanged(true);
}

void MenuDocument::RemoveItem(int row) {
    items->RemoveItem(row);
    SetChanged(true);
}

void MenuDocument::ReplaceItem(int row, const model::MenuItem& item) {
    items->ReplaceItem(row, item);
    SetChanged(true);
}

void MenuDocument::MoveItem(int from, int to, const model::MenuItem& moved) {
    items->MoveItem(from, to, moved);
    SetChanged(true);
}

void MenuDocument::SetOptions(const model::MenuOptions& menu, const model::ButtonOptions& button,
                              model::OptionField field) {
    if (menu == project.menu && button == project.button) {
        return;
    }
    project.menu = menu;
    project.button = button;
    if (model::EditMarksProjectChanged(field, hasFile)) {
        SetChanged(true);
    }
    emit optionsChanged();
}

void MenuDocument::SetMenuStyle(const model::MenuStyle& style) {
    if (style == project.menuStyle) {
        return;
    }
    project.menuStyle = style;
    MarkChangedWhenSaved();
    emit menuStyleChanged();
}

void MenuDocument::SetButtonStyle(const model::ButtonStyle& style) {
    if (style == project.buttonStyle) {
        return;
    }
    project.buttonStyle = style;
    MarkChangedWhenSaved();
    emit buttonStyleChanged();
}

void MenuDocument::Reset(const model::MenuProject& fresh) {
    Replace(fresh);
}

void MenuDocument::Load(const model::MenuProject& loaded, const QString& path) {
    Replace(loaded);
    filePath = path;
    hasFile = true;
}

void MenuDocument::SetFilePath(const QString& path) {
    filePath = path;
}

void MenuDocument::MarkSaved(const QString& path) {
    filePath = path;
    hasFile = true;
    SetChanged(false);
}

void MenuDocument::ForgetFile() {
    hasFile = false;
    SetChanged(false);
}

void MenuDocument::Replace(const model::MenuProject& replacement) {
    items->ResetItems(replacement.items);
    project.menu = replacement.menu;
    project.button = replacement.button;
    project.menuStyle = replacement.menuStyle;
    project.buttonStyle = replacement.buttonStyle;
    SetChanged(false);
    emit optionsChanged();
    emit menuStyleChanged();
    emit buttonStyleChanged();
}

void MenuDocument::SetChanged(bool value) {
    if (changed != value) {
        changed = value;
        emit changedStateChanged(changed);
    }
}

void MenuDocument::MarkChangedWhenSaved() {
    if (hasFile) {
        SetChanged(true);
    }
}

} // namespace document
