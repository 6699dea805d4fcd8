#pragma once

#include "model/MenuProject.h"

#include <QAbstractTableModel>
#include <optional>
#include <vector>

namespace document {

// The project's items as the rows of the item list, in the columns "Item Text", "Linked?",
// "Link URL", "Selected?", "Back Color", "Text Color" and "Heading"; heading rows are bold. The
// rows are the document's own records: every change of them goes through here, so the views
// hear of it.
class ItemListModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { kText, kLinked, kUrl, kSelected, kBackColor, kTextColor, kHeading, kColumnCount };
    // A row dragged within the list carries its number in this format.
    static constexpr const char* kRowMimeType = "application/x-quorvane-item-row";

    ItemListModel(std::vector<model::MenuItem>& items, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDropActions() const override;

    const model::MenuItem& ItemAt(int row) const;
    bool HeadingAbove(int row) const;
    // The first row that is the preselected item, `except` not taking part.
    std::optional<int> FirstSelectedRow(std::optional<int> except = std::nullopt) const;

    void InsertItems(int row, const std::vector<model::MenuItem>& rows);
    void RemoveItems(int row, int count);
    void ReplaceItem(int row, const model::MenuItem& item);
    // The row at `from` taken out and put back at `to`, a position in the list without it.
    void MoveItem(int from, int to, const model::MenuItem& moved);
    void ResetItems(std::vector<model::MenuItem> replacement);

  private:
    std::vector<model::MenuItem>& items;
    // Kept with the rows, so that appending below no heading costs nothing.
    int headingCount = 0;
};

} // namespace document
