#pragma once
// "Beim Öffnen der Datei aufgetretene Fehler" (dialog 117): the findings of the last load in four
// columns cut from the fixed columns of each message. The rows can be copied as tab-separated
// text and the whole list saved as a text file.

#include <QAbstractTableModel>

#include "help_dialog.h"

class QPushButton;
class QTableView;

namespace satzlupe {

// The error list as a table: one row per message, each cell read when it is shown. A record text
// may be megabytes long; its cell shows the beginning only.
class ErrorListModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  // Characters of a record shown in its cell, and at most in its tooltip.
  static constexpr int kCellChars = 300;
  static constexpr int kToolTipChars = 4000;
  static constexpr int kToolTipLineChars = 100;

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

  // The selected rows as tab-separated lines, whole records included; on the clipboard.
  QString SelectedText() const;
  void CopySelection();
  // Asks for a file and writes the whole list there.
  void SaveList();

 private:
  void FitColumns();
  void AddCommands();

  ErrorListModel m_model;
  QTableView* m_list;
  QPushButton* m_copy;
};

}  // namespace satzlupe
