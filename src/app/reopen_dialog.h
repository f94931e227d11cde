#pragma once
// "Wiedereröffnen" (dialog 164): reads a file of the reopen list again, after clearing the store
// or in addition to it.

#include <vector>

#include "help_dialog.h"

class QListWidget;
class QRadioButton;

namespace satzlupe {

class CReopenDialog : public CHelpDialog {
  Q_OBJECT
 public:
  static constexpr int kDialogId = 164;
  enum ControlId { IDC_ADD = 298, IDC_CLEAR_AND_OPEN = 315, IDC_LIST = 316, IDC_CANCEL = 366, IDC_OK = 367,
                   IDC_HELP = 375 };

  explicit CReopenDialog(QWidget* parent = nullptr);

  // Takes over the chosen file and mode: g_fileName and g_pendingAction (3 or 4).
  void accept() override;

 private:
  QListWidget* m_list;
  QRadioButton* m_clearAndOpen;
  QRadioButton* m_add;
  std::vector<int> m_rowSlots;  // the reopen-list slot shown in each row
};

}  // namespace satzlupe
