#include "mainwindow/ItemListPanel.h"

#include "document/ItemListModel.h"
#include "document/MenuDocument.h"
#include "mainwindow/CommandActions.h"
#include "mainwindow/ItemListView.h"

#include <QHeaderView>
#include <QMenu>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>

namespace mainwindow {

ItemListPanel::ItemListPanel(document::MenuDocument& menuDocument, const CommandActions& actions,
                             QWidget* parent)
    : QGroupBox(tr("Currently Added Menu Items:"), parent), document(menuDocument) {
    setObjectName("Frame2");

    lv = new ItemListView(this);
    lv->setObjectName("lv");
    lv->setAccessibleName(title());
    lv->setModel(&document.Items());
    lv->setRootIsDecorated(false);
    lv->setItemsExpandable(false);
    lv->setUniformRowHeights(true);
    lv->setAllColumnsShowFocus(true);
    lv->setSelectionBehavior(QAbstractItemView::SelectRows);
    lv->setSelectionMode(QAbstractItemView::SingleSelection);
    lv->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QHeaderView* header = lv->header();
    header->setStretchLastSection(false);
    header->setSectionsMovable(false);
    // Every caption readable; the text and the address get room for a few words.
    header->resizeSections(QHeaderView::ResizeToContents);
    const int wordsWidth = lv->fontMetrics().averageCharWidth() * 20;
    for (const int column : {document::ItemListModel::kText, document::ItemListModel::kUrl}) {
        header->resizeSection(column, std::max(header->sectionSize(column), wordsWidth));
    }

    tb2 = actions.CreateItemToolbar(this);
    mnuListPop = actions.CreateItemPopup(this);
    // The item commands' keys work while the list has the focus.
    lv->addActions({actions.moveUp, actions.moveDown, actions.edit, actions.remove});

    // A right click on a row opens the popup; the press has already selected the row.
    lv->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lv, &QTreeView::customContextMenuRequested, this, &ItemListPanel::ShowPopupAt);
    connect(&document, &document::MenuDocument::selectedRowShown, this, &ItemListPanel::SelectRow);
    // A selection made in two steps (cleared, then set, as assistive tools do) is left alone
    // until it is over; only a list left without a selected row selects one again.
    connect(lv->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        emit selectedRowChanged();
        QTimer::singleShot(0, this, &ItemListPanel::KeepARowSelected);
    });
}

std::optional<int> ItemListPanel::SelectedRow() const {
    const QModelIndexList rows = lv->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        return std::nullopt;
    }
    return rows.front().row();
}

void ItemListPanel::SelectRow(int row) {
    lv->selectionModel()->setCurrentIndex(document.Items().index(row, 0),
                                          QItemSelectionModel::ClearAndSelect |
                                              QItemSelectionModel::Rows);
}

void ItemListPanel::KeepARowSelected() {
    if (document.Items().rowCount() == 0 || lv->selectionModel()->hasSelection()) {
        return;
    }
    const QModelIndex current = lv->currentIndex();
    SelectRow(current.isValid() ? current.row() : 0);
}

void ItemListPanel::ShowPopupAt(const QPoint& position) {
    if (lv->indexAt(position).isValid()) {
        mnuListPop->popup(lv->viewport()->mapToGlobal(position));
    }
}

} // namespace mainwindow
