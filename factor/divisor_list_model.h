// The items of the divisor list, held as plain strings so that a quarter of a
// million of them can be shown at once.
#pragma once

#include <QAbstractListModel>
#include <QItemSelection>

#include <string>
#include <vector>

class DivisorListModel : public QAbstractListModel {
  public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void clear();
    // Appends after the items already there, in one step for the view.
    void append(std::vector<std::string> items);
    int count() const { return static_cast<int>(items_.size()); }
    const std::string& item(int row) const { return items_[static_cast<std::size_t>(row)]; }
    // The selected items in list order, joined by line feeds. Read straight from
    // the strings, as a selection may hold every one of a quarter of a million rows.
    std::string linesOf(const QItemSelection& selection) const;

  private:
    std::vector<std::string> items_;
};
