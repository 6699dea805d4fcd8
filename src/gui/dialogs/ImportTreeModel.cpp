#include "dialogs/ImportTreeModel.h"

#include <QFont>
#include <algorithm>

namespace dialogs {
namespace {

using importing::ImportEntry;
using importing::ImportGroup;

// Top-level rows carry 0; the entries of a group with a heading carry the group's number + 1.
constexpr quintptr kTopLevel = 0;

std::size_t Index(int row) {
    return static_cast<std::size_t>(row);
}

int Count(std::size_t size) {
    return static_cast<int>(size);
}

int TickedIn(const ImportGroup& group) {
    return Count(
        static_cast<std::size_t>(std::count_if(group.entries.begin(), group.entries.end(),
                                               [](const ImportEntry& e) { return e.ticked; })));
}

Qt::CheckState GroupState(const ImportGroup& group) {
    const int ticked = TickedIn(group);
    if (ticked == 0) {
        return Qt::Unchecked;
    }
    return ticked == Count(group.entries.size()) ? Qt::Checked : Qt::PartiallyChecked;
}

} // namespace

ImportTreeModel::ImportTreeModel(QObject* parent) : QAbstractItemModel(parent) {}

void ImportTreeModel::SetGroups(std::vector<ImportGroup> groups) {
    beginResetModel();
    loose = {};
    headed.clear();
    for (ImportGroup& group : groups) {
        if (group.heading.empty()) {
            loose.entries.insert(loose.entries.end(), group.entries.begin(), group.entries.end());
        } else {
            headed.push_back(std::move(group));
        }
    }
    endResetModel();
}

std::vector<ImportGroup> ImportTreeModel::Groups() const {
    std::vector<ImportGroup> groups;
    if (!loose.entries.empty()) {
        groups.push_back(loose);
    }
    groups.insert(groups.end(), headed.begin(), headed.end());
    return groups;
}

int ImportTreeModel::TickedCount() const {
    int ticked = TickedIn(loose);
    for (const ImportGroup& group : headed) {
        ticked += TickedIn(group);
    }
    return ticked;
}

QModelIndex ImportTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (!hasIndex(row, column, parent)) {
        return {};
    }
    if (!parent.isValid()) {
        return createIndex(row, column, kTopLevel);
    }
    return createIndex(row, column,
                       static_cast<quintptr>(Index(parent.row()) - loose.entries.size() + 1));
}

QModelIndex ImportTreeModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.internalId() == kTopLevel) {
        return {};
    }
    return createIndex(Count(loose.entries.size() + child.internalId() - 1), 0, kTopLevel);
}

int ImportTreeModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid()) {
        return Count(loose.entries.size() + headed.size());
    }
    const ImportGroup* group = parent.column() == kText ? GroupAt(parent) : nullptr;
    return group != nullptr ? Count(group->entries.size()) : 0;
}

int ImportTreeModel::columnCount(const QModelIndex&) const {
    return kColumnCount;
}

QVariant ImportTreeModel::data(const QModelIndex& index, int role) const {
    const bool shown = role == Qt::DisplayRole || role == Qt::EditRole;
    if (const ImportGroup* group = GroupAt(index)) {
        if (index.column() != kText) {
            return {};
        }
        if (shown) {
            return QString::fromStdString(group->heading);
        }
        if (role == Qt::CheckStateRole) {
            return GroupState(*group);
        }
        if (role == Qt::FontRole) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    }
    const ImportEntry* entry = EntryAt(index);
    if (entry == nullptr) {
        return {};
    }
    if (role == Qt::CheckStateRole && index.column() == kText) {
        return entry->ticked ? Qt::Checked : Qt::Unchecked;
    }
    if (!shown) {
        return {};
    }
    switch (index.column()) {
    case kText:
        return QString::fromStdString(entry->text);
    case kAddress:
        return QString::fromStdString(entry->address);
    default:
        return entry->duplicate ? tr("Same address as above") : QString();
    }
}

bool ImportTreeModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role == Qt::CheckStateRole && index.column() == kText) {
        SetTicked(index, static_cast<Qt::CheckState>(value.toInt()) == Qt::Checked);
        return true;
    }
    const QString text = value.toString();
    // A blank edit would make a row "Add" refuses; the old value stays.
    if (role != Qt::EditRole || text.trimmed().isEmpty()) {
        return false;
    }
    std::string* field = nullptr;
    if (ImportGroup* group = GroupAt(index); group != nullptr && index.column() == kText) {
        field = &group->heading;
    } else if (ImportEntry* entry = EntryAt(index); entry != nullptr) {
        field = index.column() == kText      ? &entry->text
                : index.column() == kAddress ? &entry->address
                                             : nullptr;
    }
    if (field == nullptr) {
        return false;
    }
    *field = text.toStdString();
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags ImportTreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    // Without the hint, expanding the tree keeps a persistent index for every entry.
    if (EntryAt(index) != nullptr) {
        flags |= Qt::ItemNeverHasChildren;
    }
    if (index.column() == kText) {
        flags |= Qt::ItemIsUserCheckable | Qt::ItemIsEditable;
    } else if (index.column() == kAddress && EntryAt(index) != nullptr) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

QVariant ImportTreeModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    static const char* const captions[] = {QT_TR_NOOP("Item Text"), QT_TR_NOOP("Link URL"),
                                           QT_TR_NOOP("Note")};
    return section >= 0 && section < kColumnCount ? tr(captions[section]) : QVariant();
}

const ImportGroup* ImportTreeModel::GroupAt(const QModelIndex& index) const {
    if (!index.isValid() || index.internalId() != kTopLevel ||
        Index(index.row()) < loose.entries.size()) {
        return nullptr;
    }
    return &headed[Index(index.row()) - loose.entries.size()];
}

ImportGroup* ImportTreeModel::GroupAt(const QModelIndex& index) {
    return const_cast<ImportGroup*>(std::as_const(*this).GroupAt(index));
}

const ImportEntry* ImportTreeModel::EntryAt(const QModelIndex& index) const {
    if (!index.isValid()) {
        return nullptr;
    }
    if (index.internalId() != kTopLevel) {
        return &headed[index.internalId() - 1].entries[Index(index.row())];
    }
    return Index(index.row()) < loose.entries.size() ? &loose.entries[Index(index.row())] : nullptr;
}

ImportEntry* ImportTreeModel::EntryAt(const QModelIndex& index) {
    return const_cast<ImportEntry*>(std::as_const(*this).EntryAt(index));
}

void ImportTreeModel::SetTicked(const QModelIndex& index, bool ticked) {
    const QModelIndex first = index.siblingAtColumn(kText);
    if (ImportGroup* group = GroupAt(first)) {
        for (ImportEntry& entry : group->entries) {
            entry.ticked = ticked;
        }
        emit dataChanged(first, first, {Qt::CheckStateRole});
        if (!group->entries.empty()) {
            emit dataChanged(this->index(0, kText, first),
                             this->index(Count(group->entries.size()) - 1, kText, first),
                             {Qt::CheckStateRole});
        }
    } else if (ImportEntry* entry = EntryAt(first)) {
        entry->ticked = ticked;
        emit dataChanged(first, first, {Qt::CheckStateRole});
        // The group's box shows its entries.
        if (const QModelIndex above = first.parent(); above.isValid()) {
            emit dataChanged(above, above, {Qt::CheckStateRole});
        }
    }
}

} // namespace dialogs
