#pragma once

#include <QTreeView>

namespace mainwindow {

// The item list `lv`: rows dragged with the mouse are dropped between other rows; the move itself
// is left to the item commands, which keep the list's rules.
class ItemListView : public QTreeView {
    Q_OBJECT

  public:
    explicit ItemListView(QWidget* parent);

  signals:
    // The row at `from` dropped before the row `before` (the row count for the end).
    void rowDropped(int from, int before);

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

} // namespace mainwindow
