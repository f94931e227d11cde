#pragma once
// "Info über Satzlupe": program name, version and publisher.

#include "help_dialog.h"

namespace satzlupe {

class CAboutDialog : public CHelpDialog {
  Q_OBJECT
 public:
  static constexpr int kDialogId = 100;
  explicit CAboutDialog(QWidget* parent = nullptr);
};

}  // namespace satzlupe
