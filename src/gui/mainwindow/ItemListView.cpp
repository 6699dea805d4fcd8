#include "mainwindow/ItemListView.h"

#include "document/ItemListModel.h"

#include <QDropEvent>
#include <QMimeData>

namespace mainwindow {
namespace {

bool CarriesRow(const QDropEvent* event) {
    return event->mimeData()->hasFormat(document::ItemListModel::kRowMimeType);
}

} // namespace

ItemListView::ItemListView(QWidget* parent) : QTreeView(parent) {
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
}

void ItemListView::dragEnterEvent(QDragEnterEvent* event) {
    if (CarriesRow(event)) {
        QTreeView::dragEnterEvent(event);
    } else {
        event->ignore();
    }
}

void ItemListView::dragMoveEvent(QDragMoveEvent* event) {
    if (CarriesRow(event)) {
        QTreeView::dragMoveEvent(event);
    } else {
        event->ignore();
    }
}

// A drop on the upper half of a row goes before it, on the lower half after it.
void ItemListView::dropEvent(QDropEvent* event) {
    if (!CarriesRow(event)) {
        event->ignore();
        return;
    }
    const int from = event->mimeData()->data(document::ItemListModel::kRowMimeType).toInt();
    const QPoint at = event->position().toPoint();
    const QModelIndex target = indexAt(at);
    int before = model()->rowCount();
    if (target.isValid()) {
        before = at.y() < visualRect(target).center().y() ? target.row() : target.row() + 1;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
    emit rowDropped(from, before);
}

} // namespace mainwindow
