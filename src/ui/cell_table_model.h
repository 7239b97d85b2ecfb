#pragma once

#include <QAbstractTableModel>
#include <array>
#include <string>
#include <vector>

#include "surface/record_text.h"

namespace deadhold::ui {

// Rows of N text cells under fixed headings, for a list view: the page makes the texts, the
// view shows the rows on screen only.
template <std::size_t N>
class CellTableModel : public QAbstractTableModel {
 public:
  using Row = std::array<std::string, N>;

  CellTableModel(const std::array<const char*, N>& headings, QObject* parent)
      : QAbstractTableModel(parent), headings_(headings) {}

  // Takes the page's rows; the view is told only when they changed.
  void setRows(const std::vector<Row>& rows) {
    if (rows == rows_) return;
    beginResetModel();
    rows_ = rows;
    endResetModel();
  }

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
  }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(N);
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return fromRecordText(
        rows_[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())]);
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= static_cast<int>(N))
      return {};
    return fromRecordText(headings_[static_cast<std::size_t>(section)]);
  }

 private:
  std::array<const char*, N> headings_;
  std::vector<Row> rows_;
};

}  // namespace deadhold::ui
