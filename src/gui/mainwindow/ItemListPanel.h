#pragma once

#include <QGroupBox>
#include <optional>

class QMenu;
class QToolBar;

namespace document {
class MenuDocument;
}

namespace mainwindow {

class CommandActions;
class ItemListView;

// Frame2, "Currently Added Menu Items:": the item list `lv` and the item toolbar `tb2` below it,
// placed by the window's layout. The popup menu `mnuListPop` belongs to the list.
class ItemListPanel : public QGroupBox {
    Q_OBJECT

  public:
    ItemListPanel(document::MenuDocument& document, const CommandActions& actions, QWidget* parent);

    ItemListView* List() const { return lv; }
    QToolBar* ItemToolbar() const { return tb2; }

    // The selected row; the list keeps one whenever it has rows.
    std::optional<int> SelectedRow() const;
    void SelectRow(int row);

  signals:
    void selectedRowChanged();

  private:
    void KeepARowSelected();
    void ShowPopupAt(const QPoint& position);

    document::MenuDocument& document;
    ItemListView* lv = nullptr;
    QToolBar* tb2 = nullptr;
    QMenu* mnuListPop = nullptr;
};

} // namespace mainwindow
