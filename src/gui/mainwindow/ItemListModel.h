#pragma once

#include "model/MenuProject.h"

#include <QStandardItemModel>
#include <vector>

namespace mainwindow {

// The rows of the list view `lv`: the project's items, one row each, in the columns "Item Text",
// "Linked?", "Link URL", "Selected?", "Back Color", "Text Color", "Heading". Heading rows are
// drawn in bold.
class ItemListModel : public QStandardItemModel {
    Q_OBJECT

  public:
    enum Column { kText, kLinked, kUrl, kSelected, kBackColor, kTextColor, kHeading, kColumnCount };

    explicit ItemListModel(QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role) const override;

    std::vector<model::MenuItem> Items() const;
    void AppendItem(const model::MenuItem& item);
    bool IsHeadingRow(int row) const;
};

} // namespace mainwindow
