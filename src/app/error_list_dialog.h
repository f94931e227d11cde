#pragma once
// "Beim Öffnen der Datei aufgetretene Fehler" (dialog 117): the findings of the last load in four
// columns cut from the fixed columns of each message.

#include <QAbstractTableModel>

#include "help_dialog.h"

class QTableView;

namespace satzlupe {

// The error list as a table: one row per message, read when shown.
class ErrorListModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;
  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
};

class CErrorListDialog : public CHelpDialog {
  Q_OBJECT
 public:
  static constexpr int kDialogId = 117;
  enum ControlId { IDC_LIST = 314, IDC_OK = 359, IDC_HELP = 369 };
  static constexpr int kColumnWidths[4] = {50, 100, 300, 600};

  explicit CErrorListDialog(QWidget* parent = nullptr);
  QTableView* List() const { return m_list; }

 private:
  ErrorListModel m_model;
  QTableView* m_list;
};

}  // namespace satzlupe
