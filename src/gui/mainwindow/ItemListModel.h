#pragma once

#include "model/MenuProject.h"

#include <QStandardItemModel>
#include <optional>
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
    model::MenuItem ItemAt(int row) const;
    void AppendItem(const model::MenuItem& item);
    void InsertItem(int row, const model::MenuItem& item);
    // The row's values replaced in place.
    void ReplaceItem(int row, const model::MenuItem& item);
    void SetText(int row, const std::string& text);
    void SetSelected(int row, const char* selected);

    bool IsHeadingRow(int row) const;
    bool HeadingAbove(int row) const;
    // The first row that is the preselected item, `except` not taking part.
    std::optional<int> FirstSelectedRow(std::optional<int> except = std::nullopt) const;

  private:
    QString Cell(int row, int column) const;
    int HeadingsIn(int first, int last) const;

    // Kept by the model's own change signals, so that appending below no heading costs nothing.
    int headingCount = 0;
};

} // namespace mainwindow
