#include "factor/divisor_list_model.h"

#include <algorithm>
#include <utility>

int DivisorListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant DivisorListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= count())
        return {};
    return QString::fromStdString(item(index.row()));
}

void DivisorListModel::clear() {
    if (items_.empty())
        return;
    beginResetModel();
    items_.clear();
    items_.shrink_to_fit(); // a cleared list of 245760 items should give its memory back
    endResetModel();
}

void DivisorListModel::append(std::vector<std::string> items) {
    if (items.empty())
        return;
    beginInsertRows({}, count(), count() + static_cast<int>(items.size()) - 1);
    if (items_.empty())
        items_ = std::move(items);
    else
        items_.insert(items_.end(), std::make_move_iterator(items.begin()),
                      std::make_move_iterator(items.end()));
    endInsertRows();
}

std::string DivisorListModel::linesOf(const QItemSelection& selection) const {
    std::vector<std::pair<int, int>> spans; // first and last row, in any order as selected
    for (const QItemSelectionRange& range : selection)
        spans.emplace_back(range.top(), std::min(range.bottom(), count() - 1));
    std::sort(spans.begin(), spans.end());
    std::string text;
    int next = 0; // the first row not written yet, so overlapping spans count once
    int written = 0;
    for (const auto& [top, bottom] : spans) {
        for (int row = std::max(top, next); row <= bottom; ++row) {
            if (written++ > 0)
                text += '\n';
            text += item(row);
        }
        next = std::max(next, bottom + 1);
    }
    return text;
}
