#pragma once

#include <QGroupBox>
#include <optional>

class QMenu;
class QToolBar;
class QTreeView;

namespace document {
class ItemListModel;
}

namespace mainwindow {

class CommandActions;

// Frame2, "Currently Added Menu Items:": the item list `lv` and the item toolbar `tb2` below it,
// placed by the window's layout. The popup menu `mnuListPop` belongs to the list.
class ItemListPanel : public QGroupBox {
    Q_OBJECT

  public:
    ItemListPanel(document::ItemListModel& items, const CommandActions& actions, QWidget* parent);

    QTreeView* List() const { return lv; }
    QToolBar* ItemToolbar() const { return tb2; }

    // The selected row; the list keeps one whenever it has rows.
    std::optional<int> SelectedRow() const;
    void SelectRow(int row);

  signals:
    // A double click on a row; one on empty space gives nothing.
    void rowDoubleClicked();
    void selectedRowChanged();

  private:
    void KeepARowSelected();
    void ShowPopupAt(const QPoint& position);

    document::ItemListModel& items;
    QTreeView* lv = nullptr;
    QToolBar* tb2 = nullptr;
    QMenu* mnuListPop = nullptr;
};

} // namespace mainwindow
