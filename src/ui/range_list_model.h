#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "ballistics/range_list_format.h"

namespace deadhold::ui {

// The Ballistics Calculator's range list as a table for a view: the 20 headings and the rows
// the page lists. Only the rows on screen are ever turned into widgets' text, so a refresh of
// 101 rows costs next to nothing.
class RangeListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  // Takes the page's rows; the view is told only when they changed.
  void setRows(const std::vector<RangeListCells>& rows);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::vector<RangeListCells> rows_;
};

}  // namespace deadhold::ui
