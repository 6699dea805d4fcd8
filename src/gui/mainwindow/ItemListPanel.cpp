#include "mainwindow/ItemListPanel.h"

#include "mainwindow/CommandIcons.h"
#include "mainwindow/ItemListModel.h"

#include <QHeaderView>
#include <QMenu>
#include <QToolBar>
#include <QTreeView>

namespace mainwindow {

ItemListPanel::ItemListPanel(QWidget* parent)
    : QGroupBox(tr("Currently Added Menu Items:"), parent) {
    setObjectName("Frame2");

    items = new ItemListModel(this);
    lv = new QTreeView(this);
    lv->setObjectName("lv");
    lv->setAccessibleName(title());
    lv->setModel(items);
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
    for (const int column : {ItemListModel::kText, ItemListModel::kUrl}) {
        header->resizeSection(column, std::max(header->sectionSize(column), wordsWidth));
    }

    tb2 = new QToolBar(this);
    tb2->setObjectName("tb2");
    tb2->setIconSize({16, 16});
    const std::pair<const char*, QString> buttons[] = {
        {"movup", tr("Move selected item up one position.")},
        {"movdn", tr("Move selected item down one position.")},
        {"edit", tr("Edit text and link url of selected item.")},
        {"delete", tr("Delete selected item.")},
    };
    for (const auto& [key, tip] : buttons) {
        QAction* action = tb2->addAction(CommandIcon(key), tip);
        action->setObjectName(key);
        action->setToolTip(tip);
        action->setEnabled(false); // the list starts empty
    }

    mnuListPop = new QMenu(this);
    mnuListPop->setObjectName("mnuListPop");
    const std::pair<const char*, QString> entries[] = {
        {"mnuListPopMovUp", tr("Move Up")},
        {"mnuListPopMovDn", tr("Move Down")},
        {"mnuListPopEdt", tr("Edit")},
        {"mnuListPopRem", tr("Delete")},
    };
    for (const auto& [name, caption] : entries) {
        QAction* action = mnuListPop->addAction(caption);
        action->setObjectName(name);
        action->setEnabled(false);
    }

    // A right click on a row opens the popup; the press has already selected the row.
    lv->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lv, &QTreeView::customContextMenuRequested, this, &ItemListPanel::ShowPopupAt);
    connect(lv, &QTreeView::doubleClicked, this, &ItemListPanel::rowDoubleClicked);
    connect(lv->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ItemListPanel::KeepARowSelected);
}

std::optional<int> ItemListPanel::SelectedRow() const {
    const QModelIndexList rows = lv->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        return std::nullopt;
    }
    return rows.front().row();
}

void ItemListPanel::SelectRow(int row) {
    lv->selectionModel()->setCurrentIndex(
        items->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

// The item commands act on the selected row, so a click that would leave none selects again.
void ItemListPanel::KeepARowSelected() {
    if (items->rowCount() == 0 || lv->selectionModel()->hasSelection()) {
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
