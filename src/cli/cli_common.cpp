#include "cli_common.h"

#include <iostream>

#include "load/file_reader.h"
#include "platform/recording_canvas.h"
#include "platform/services.h"
#include "platform/text.h"

namespace cli {
namespace {

// Message boxes of the core go to standard error, in UTF-8, with the file they concern.
class ConsolePrompt : public edbs::UserPrompt {
 public:
  void ShowMessage(const std::string& text) override {
    std::cerr << edbs::Cp1252ToUtf8(text) << ' ' << g_fileName << '\n';
  }
  edbs::PromptAnswer AskYesNo(const std::string&) override { return edbs::PromptAnswer::No; }
  std::string ChooseOpenFile(const std::string&, const std::string&) override { return {}; }
  std::string ChooseSaveFile(const std::string&, const std::string&) override { return {}; }
};

}  // namespace

void InstallConsolePrompt() {
  static ConsolePrompt prompt;
  edbs::SetPrompt(&prompt);
}

bool Load(const std::string& path, bool first) {
  g_fileName = path;
  g_pendingAction = first ? kPendingOpen : kPendingAdd;
  edbs::NullCanvas canvas;
  PerformPendingLoad(canvas);
  return g_loadScreenValid == 1;
}

int LoadAll(const std::vector<std::string>& files) {
  int status = kExitOk;
  bool first = true;
  for (const std::string& path : files) {
    if (!Load(path, first)) {
      status = kExitCannotOpen;
      continue;
    }
    first = false;
    if (g_loadEnd != LoadEnd::kComplete) status = kExitCannotOpen;
  }
  return status;
}

}  // namespace cli
