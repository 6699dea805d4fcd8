#pragma once

#include "import/ImportResult.h"

#include <QAbstractItemModel>
#include <vector>

namespace dialogs {

// The links an import found, as the import window shows them: the entries without a heading at
// the top level, then each group with its entries below it. Every entry and group has a check
// box (a group's shows whether all, some or none of its entries are ticked, and ticks or unticks
// them all); texts, headings and addresses are edited in place, never to nothing. The groups
// are held here and nowhere else, so what the user sees is what "Add to Menu" takes.
class ImportTreeModel : public QAbstractItemModel {
    Q_OBJECT

  public:
    enum Column { kText, kAddress, kNote, kColumnCount };

    explicit ImportTreeModel(QObject* parent);

    void SetGroups(std::vector<importing::ImportGroup> groups);
    // The groups with what the user ticked and edited, the group without heading first.
    std::vector<importing::ImportGroup> Groups() const;
    int TickedCount() const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    // The group a top-level row shows; null for an entry without heading.
    const importing::ImportGroup* GroupAt(const QModelIndex& index) const;
    // The entry a row shows; null for a group.
    const importing::ImportEntry* EntryAt(const QModelIndex& index) const;
    importing::ImportEntry* EntryAt(const QModelIndex& index);
    importing::ImportGroup* GroupAt(const QModelIndex& index);
    void SetTicked(const QModelIndex& index, bool ticked);

    importing::ImportGroup loose;
    std::vector<importing::ImportGroup> headed;
};

} // namespace dialogs
