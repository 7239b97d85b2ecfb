#include "range_list_model.h"

#include "surface/record_text.h"

namespace deadhold::ui {

void RangeListModel::setRows(const std::vector<RangeListCells>& rows) {
  if (rows == rows_) return;
  beginResetModel();
  rows_ = rows;
  endResetModel();
}

int RangeListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RangeListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kRangeListColumnCount;
}

QVariant RangeListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  const std::string& cell =
      rows_[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())];
  return fromRecordText(cell);
}

QVariant RangeListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
      section >= kRangeListColumnCount)
    return {};
  return fromRecordText(kRangeListColumns[static_cast<std::size_t>(section)].heading);
}

}  // namespace deadhold::ui
