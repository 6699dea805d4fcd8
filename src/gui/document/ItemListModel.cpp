#include "document/ItemListModel.h"

#include <QFont>
#include <QMimeData>
#include <algorithm>

namespace document {
namespace {

bool IsHeading(const model::MenuItem& item) {
    return item.heading == model::kYes;
}

const std::string& Field(const model::MenuItem& item, int column) {
    switch (column) {
    case ItemListModel::kLinked:
        return item.linked;
    case ItemListModel::kUrl:
        return item.url;
    case ItemListModel::kSelected:
        return item.selected;
    case ItemListModel::kBackColor:
        return item.backColor;
    case ItemListModel::kTextColor:
        return item.textColor;
    case ItemListModel::kHeading:
        return item.heading;
    default:
        return item.text;
    }
}

// The list shows the stored words of its flag and colour columns in the user's language; the
// record, the item's own text and its address stay as stored.
QString Shown(const std::string& value, int column) {
    if (column != ItemListModel::kText && column != ItemListModel::kUrl) {
        if (value == model::kYes) {
            return ItemListModel::tr("Yes");
        }
        if (value == model::kNo) {
            return ItemListModel::tr("No");
        }
        if (value == model::kDefaultColor) {
            return ItemListModel::tr("Default");
        }
    }
    return QString::fromStdString(value);
}

std::size_t Index(int row) {
    return static_cast<std::size_t>(row);
}

} // namespace

ItemListModel::ItemListModel(std::vector<model::MenuItem>& projectItems, QObject* parent)
    : QAbstractTableModel(parent), items(projectItems),
      headingCount(static_cast<int>(std::count_if(items.begin(), items.end(), IsHeading))) {}

int ItemListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(items.size());
}

int ItemListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant ItemListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const model::MenuItem& item = items[Index(index.row())];
    if (role == Qt::DisplayRole) {
        return Shown(Field(item, index.column()), index.column());
    }
    if (role == Qt::EditRole) {
        return QString::fromStdString(Field(item, index.column()));
    }
    if (role == Qt::FontRole && IsHeading(item)) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    return {};
}

QVariant ItemListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    static const char* const captions[] = {QT_TR_NOOP("Item Text"),  QT_TR_NOOP("Linked?"),
                                           QT_TR_NOOP("Link URL"),   QT_TR_NOOP("Selected?"),
                                           QT_TR_NOOP("Back Color"), QT_TR_NOOP("Text Color"),
                                           QT_TR_NOOP("Heading")};
    return section >= 0 && section < kColumnCount ? tr(captions[section]) : QVariant();
}

Qt::ItemFlags ItemListModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled
                           : Qt::ItemIsDropEnabled;
}

QStringList ItemListModel::mimeTypes() const {
    return {kRowMimeType};
}

QMimeData* ItemListModel::mimeData(const QModelIndexList& indexes) const {
    if (indexes.isEmpty()) {
        return nullptr;
    }
    auto* data = new QMimeData;
    data->setData(kRowMimeType, QByteArray::number(indexes.front().row()));
    return data;
}

Qt::DropActions ItemListModel::supportedDropActions() const {
    return Qt::MoveAction;
}

const model::MenuItem& ItemListModel::ItemAt(int row) const {
    return items[Index(row)];
}

bool ItemListModel::HeadingAbove(int row) const {
    return headingCount > 0 && std::any_of(items.begin(), items.begin() + row, IsHeading);
}

std::optional<int> ItemListModel::FirstSelectedRow(std::optional<int> except) const {
    for (int row = 0; row < rowCount(); ++row) {
        if (row != except && items[Index(row)].selected == model::kYes) {
            return row;
        }
    }
    return std::nullopt;
}

void ItemListModel::InsertItems(int row, const std::vector<model::MenuItem>& rows) {
    if (rows.empty()) {
        return;
    }
    beginInsertRows({}, row, row + static_cast<int>(rows.size()) - 1);
    items.insert(items.begin() + row, rows.begin(), rows.end());
    headingCount += static_cast<int>(std::count_if(rows.begin(), rows.end(), IsHeading));
    endInsertRows();
}

void ItemListModel::RemoveItems(int row, int count) {
    beginRemoveRows({}, row, row + count - 1);
    const auto first = items.begin() + row;
    headingCount -= static_cast<int>(std::count_if(first, first + count, IsHeading));
    items.erase(first, first + count);
    endRemoveRows();
}

void ItemListModel::ReplaceItem(int row, const model::MenuItem& item) {
    headingCount += (IsHeading(item) ? 1 : 0) - (IsHeading(items[Index(row)]) ? 1 : 0);
    items[Index(row)] = item;
    emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
}

void ItemListModel::MoveItem(int from, int to, const model::MenuItem& moved) {
    // Qt counts the destination in the list before the move.
    const int destination = to > from ? to + 1 : to;
    if (from == to || !beginMoveRows({}, from, from, {}, destination)) {
        ReplaceItem(from, moved);
        return;
    }
    headingCount += (IsHeading(moved) ? 1 : 0) - (IsHeading(items[Index(from)]) ? 1 : 0);
    items.erase(items.begin() + from);
    items.insert(items.begin() + to, moved);
    endMoveRows();
    // The moved row's text may have gained or lost its indent marker on the way.
    emit dataChanged(index(to, 0), index(to, kColumnCount - 1));
}

void ItemListModel::ResetItems(std::vector<model::MenuItem> replacement) {
    beginResetModel();
    items = std::move(replacement);
    headingCount = static_cast<int>(std::count_if(items.begin(), items.end(), IsHeading));
    endResetModel();
}

} // namespace document
