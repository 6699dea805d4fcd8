#include "mainwindow/ItemListModel.h"

#include <QFont>

namespace mainwindow {

ItemListModel::ItemListModel(QObject* parent) : QStandardItemModel(0, kColumnCount, parent) {
    setHorizontalHeaderLabels({tr("Item Text"), tr("Linked?"), tr("Link URL"), tr("Selected?"),
                               tr("Back Color"), tr("Text Color"), tr("Heading")});
}

QVariant ItemListModel::data(const QModelIndex& index, int role) const {
    if (role == Qt::FontRole && index.isValid() && IsHeadingRow(index.row())) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    return QStandardItemModel::data(index, role);
}

bool ItemListModel::IsHeadingRow(int row) const {
    return QStandardItemModel::data(this->index(row, kHeading)).toString() == model::kYes;
}

std::vector<model::MenuItem> ItemListModel::Items() const {
    std::vector<model::MenuItem> items;
    items.reserve(static_cast<std::size_t>(rowCount()));
    const auto text = [this](int row, int column) {
        return QStandardItemModel::data(index(row, column)).toString().toStdString();
    };
    for (int row = 0; row < rowCount(); ++row) {
        items.push_back({text(row, kText), text(row, kLinked), text(row, kUrl),
                         text(row, kSelected), text(row, kBackColor), text(row, kTextColor),
                         text(row, kHeading)});
    }
    return items;
}

void ItemListModel::AppendItem(const model::MenuItem& item) {
    QList<QStandardItem*> row;
    for (const std::string* field : {&item.text, &item.linked, &item.url, &item.selected,
                                     &item.backColor, &item.textColor, &item.heading}) {
        auto* cell = new QStandardItem(QString::fromStdString(*field));
        cell->setEditable(false);
        row.append(cell);
    }
    appendRow(row);
}

} // namespace mainwindow
