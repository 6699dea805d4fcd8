#pragma once

#include "model/MenuProject.h"
#include "model/OptionRules.h"

#include <QObject>
#include <QString>

namespace document {

class ItemListModel;

// The open project: its record, the file it was last saved to or loaded from, and whether it has
// unsaved changes or a file of this run. Every change of the project goes through here, and the
// windows show what it holds; it alone decides when a change marks the project changed.
class MenuDocument : public QObject {
    Q_OBJECT

  public:
    MenuDocument(const model::MenuProject& startup, QObject* parent);

    const model::MenuProject& Project() const { return project; }
    ItemListModel& Items() const { return *items; }
    const QString& FilePath() const { return filePath; }
    bool Changed() const { return changed; }
    bool HasFile() const { return hasFile; }

    // Item edits; each marks the project changed.
    void InsertItem(int row, const model::MenuItem& item);
    void RemoveItem(int row);
    void ReplaceItem(int row, const model::MenuItem& item);
    void MoveItem(int from, int to, const model::MenuItem& moved);

    // The options after an edit of `field`; whether it marks the project changed follows the
    // field and whether the project has a file.
    void SetOptions(const model::MenuOptions& menu, const model::ButtonOptions& button,
                    model::OptionField field);
    // A style window's values committed; a difference marks a project with a file changed.
    void SetMenuStyle(const model::MenuStyle& style);
    void SetButtonStyle(const model::ButtonStyle& style);

    // A new project, or one loaded from `path`: unchanged, and with a file only when loaded.
    void Reset(const model::MenuProject& fresh);
    void Load(const model::MenuProject& loaded, const QString& path);
    // The file a load is about to read, kept even when the load fails.
    void SetFilePath(const QString& path);
    // Saved to `path`: unchanged, with a file.
    void MarkSaved(const QString& path);
    // "New Menu Project": no file of this run any more.
    void ForgetFile();

  signals:
    void optionsChanged();
    void menuStyleChanged();
    void buttonStyleChanged();
    void changedStateChanged(bool changed);

  private:
    void Replace(const model::MenuProject& replacement);
    void SetChanged(bool value);
    void MarkChangedWhenSaved();

    model::MenuProject project;
    ItemListModel* items = nullptr;
    QString filePath;
    bool changed = false;
    bool hasFile = false;
};

} // namespace document
