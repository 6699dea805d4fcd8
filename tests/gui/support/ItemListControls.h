#pragma once

#include "mainwindow/Form1.h"
#include "mainwindow/ItemListModel.h"

#include <QTreeView>

// The item list `lv` of the main window and its selected row.

inline QTreeView* List(const mainwindow::Form1& form) {
    return form.findChild<QTreeView*>("lv");
}

inline mainwindow::ItemListModel* Items(const mainwindow::Form1& form) {
    return static_cast<mainwindow::ItemListModel*>(List(form)->model());
}

inline void SelectRow(const mainwindow::Form1& form, int row) {
    List(form)->setCurrentIndex(Items(form)->index(row, 0));
}

// -1 unless exactly one row is selected.
inline int SelectedRow(const mainwindow::Form1& form) {
    const QModelIndexList rows = List(form)->selectionModel()->selectedRows();
    return rows.size() == 1 ? rows.front().row() : -1;
}
