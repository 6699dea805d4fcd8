#pragma once

#include <QObject>

class QWidget;

namespace document {
class MenuDocument;
}

namespace mainwindow {

class CommandActions;
class ItemListPanel;

// The ways to the import window: "Import Links..." of the File menu and the item toolbar, and a
// file or folder dropped on the item list, which the window opens with and reads.
class ImportCommands : public QObject {
    Q_OBJECT

  public:
    ImportCommands(document::MenuDocument& document, ItemListPanel* list,
                   const CommandActions& actions, QWidget* window);

    // The import window, reading `source` first when one is given.
    void OpenImport(const QString& source = {});

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    document::MenuDocument& document;
    ItemListPanel* list = nullptr;
    QWidget* window = nullptr;
};

} // namespace mainwindow
