#pragma once

#include <QAbstractTableModel>

namespace deadhold {
class OpenLoadDialog;
}

namespace deadhold::ui {

// The Open Load list as a table over the dialog's rows: a cell's text is asked of the dialog
// only when the view shows it, so a caliber of a hundred thousand loads opens as quickly as one
// of ten.
class OpenLoadModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  OpenLoadModel(const OpenLoadDialog& dialog, QObject* parent);

  // The dialog has filled its list again.
  void refill();

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const OpenLoadDialog& dialog_;
};

}  // namespace deadhold::ui
