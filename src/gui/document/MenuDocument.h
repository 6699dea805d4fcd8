#pragma once

#include "model/MenuProject.h"

#include <QObject>
#include <QString>
#include <optional>

class QUndoCommand;
class QUndoStack;

namespace document {

class ItemListModel;

// The open project: its record, the file it was last saved to or loaded from, whether it has a
// file of this run, and the history of its edits. Every edit is a command pushed here, so it can
// be undone; the windows show what the record holds. The project counts as changed when the
// history stands away from the point last saved or loaded by an edit that marks it changed.
class MenuDocument : public QObject {
    Q_OBJECT

  public:
    MenuDocument(const model::MenuProject& startup, QObject* parent);

    const model::MenuProject& Project() const { return project; }
    ItemListModel& Items() const { return *items; }
    QUndoStack& History() const { return *history; }
    const QString& FilePath() const { return filePath; }
    bool Changed() const { return changed; }
    bool HasFile() const { return hasFile; }

    // An edit: done at once, then kept for undo and redo.
    void Push(QUndoCommand* edit);

    // What the edits do, for the commands alone.
    void SetOptions(const model::MenuOptions& menu, const model::ButtonOptions& button);
    void SetMenuStyle(const model::MenuStyle& style);
    void SetButtonStyle(const model::ButtonStyle& style);
    // The list is to show this row as the selected one.
    void ShowSelectedRow(std::optional<int> row);

    // A new project, or one loaded from `path`: unchanged, with a history of its own, and with a
    // file only when loaded.
    void Reset(const model::MenuProject& fresh);
    void Load(const model::MenuProject& loaded, const QString& path);
    // The file a load is about to read, kept even when the load fails.
    void SetFilePath(const QString& path);
    // Saved to `path`: unchanged from here, with a file.
    void MarkSaved(const QString& path);
    // "New Menu Project": no file of this run any more.
    void ForgetFile();

  signals:
    void optionsChanged();
    void menuStyleChanged();
    void buttonStyleChanged();
    void changedStateChanged(bool changed);
    void selectedRowShown(int row);

  private:
    void UpdateChanged();

    model::MenuProject project;
    ItemListModel* items = nullptr;
    QUndoStack* history = nullptr;
    QString filePath;
    bool changed = false;
    bool hasFile = false;
};

} // namespace document
