#include "open_load_model.h"

#include "loadinfo/open_load_dialog.h"
#include "surface/record_text.h"

namespace deadhold::ui {

OpenLoadModel::OpenLoadModel(const OpenLoadDialog& dialog, QObject* parent)
    : QAbstractTableModel(parent), dialog_(dialog) {}

void OpenLoadModel::refill() {
  beginResetModel();
  endResetModel();
}

int OpenLoadModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : dialog_.rowCount();
}

int OpenLoadModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(OpenLoadDialog::kColumns.size());
}

QVariant OpenLoadModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  return fromRecordText(dialog_.cellText(index.row(), index.column()));
}

// Rows never have rows of their own, so that the view lays them out without asking.
Qt::ItemFlags OpenLoadModel::flags(const QModelIndex& index) const {
  return QAbstractTableModel::flags(index) | Qt::ItemNeverHasChildren;
}

QVariant OpenLoadModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
      section >= columnCount())
    return {};
  return QString(OpenLoadDialog::kColumns[static_cast<std::size_t>(section)].heading);
}

}  // namespace deadhold::ui
