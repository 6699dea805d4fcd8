#include "mainwindow/ItemListModel.h"

#include <QFont>
#include <array>

namespace mainwindow {

ItemListModel::ItemListModel(QObject* parent) : QStandardItemModel(0, kColumnCount, parent) {
    setHorizontalHeaderLabels({tr("Item Text"), tr("Linked?"), tr("Link URL"), tr("Selected?"),
                               tr("Back Color"), tr("Text Color"), tr("Heading")});
    connect(this, &QStandardItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) {
                headingCount += HeadingsIn(first, last);
            });
    connect(this, &QStandardItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex&, int first, int last) {
                headingCount -= HeadingsIn(first, last);
            });
    const auto recount = [this] { headingCount = HeadingsIn(0, rowCount() - 1); };
    connect(this, &QStandardItemModel::modelReset, this, recount);
    connect(this, &QStandardItemModel::dataChanged, this,
            [recount](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                if (topLeft.column() <= kHeading && kHeading <= bottomRight.column()) {
                    recount();
                }
            });
}

int ItemListModel::HeadingsIn(int first, int last) const {
    int headings = 0;
    for (int row = first; row <= last; ++row) {
        headings += IsHeadingRow(row) ? 1 : 0;
    }
    return headings;
}

QVariant ItemListModel::data(const QModelIndex& index, int role) const {
    if (role == Qt::FontRole && index.isValid() && IsHeadingRow(index.row())) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    return QStandardItemModel::data(index, role);
}

QString ItemListModel::Cell(int row, int column) const {
    return QStandardItemModel::data(index(row, column)).toString();
}

bool ItemListModel::IsHeadingRow(int row) const {
    return Cell(row, kHeading) == model::kYes;
}

bool ItemListModel::HeadingAbove(int row) const {
    if (headingCount == 0) {
        return false;
    }
    for (int above = 0; above < row; ++above) {
        if (IsHeadingRow(above)) {
            return true;
        }
    }
    return false;
}

std::optional<int> ItemListModel::FirstSelectedRow(std::optional<int> except) const {
    for (int row = 0; row < rowCount(); ++row) {
        if (row != except && Cell(row, kSelected) == model::kYes) {
            return row;
        }
    }
    return std::nullopt;
}

model::MenuItem ItemListModel::ItemAt(int row) const {
    const auto text = [this, row](int column) { return Cell(row, column).toStdString(); };
    return {text(kText),      text(kLinked),    text(kUrl),    text(kSelected),
            text(kBackColor), text(kTextColor), text(kHeading)};
}

std::vector<model::MenuItem> ItemListModel::Items() const {
    std::vector<model::MenuItem> items;
    items.reserve(static_cast<std::size_t>(rowCount()));
    for (int row = 0; row < rowCount(); ++row) {
        items.push_back(ItemAt(row));
    }
    return items;
}

namespace {

std::array<const std::string*, ItemListModel::kColumnCount> Fields(const model::MenuItem& item) {
    return {&item.text,      &item.linked,    &item.url,    &item.selected,
            &item.backColor, &item.textColor, &item.heading};
}

} // namespace

void ItemListModel::AppendItem(const model::MenuItem& item) {
    InsertItem(rowCount(), item);
}

void ItemListModel::InsertItem(int row, const model::MenuItem& item) {
    QList<QStandardItem*> cells;
    for (const std::string* field : Fields(item)) {
        auto* cell = new QStandardItem(QString::fromStdString(*field));
        cell->setEditable(false);
        cells.append(cell);
    }
    insertRow(row, cells);
}

void ItemListModel::ReplaceItem(int row, const model::MenuItem& item) {
    int column = 0;
    for (const std::string* field : Fields(item)) {
        setData(index(row, column++), QString::fromStdString(*field));
    }
}

void ItemListModel::SetText(int row, const std::string& text) {
    setData(index(row, kText), QString::fromStdString(text));
}

void ItemListModel::SetSelected(int row, const char* selected) {
    setData(index(row, kSelected), QString::fromUtf8(selected));
}

} // namespace mainwindow
