#include "platform/services.h"

namespace edbs {
namespace {

class NoHelp : public Help {
 public:
  void ShowTopic(int) override {}
  void ShowContents() override {}
};

class NoCursor : public WaitCursor {
 public:
  void Show(bool) override {}
};

class NeverCancel : public CancelRequest {
 public:
  bool Cancelled() override { return false; }
};

ScriptedPrompt g_defaultPrompt;
NoHelp g_defaultHelp;
NoCursor g_defaultCursor;
UserPrompt* g_prompt = &g_defaultPrompt;
Help* g_help = &g_defaultHelp;
WaitCursor* g_cursor = &g_defaultCursor;
NeverCancel g_defaultCancel;
CancelRequest* g_cancel = &g_defaultCancel;

}  // namespace

PromptAnswer ScriptedPrompt::AskYesNo(const std::string& text) {
  messages.push_back(text);
  if (answers.empty()) return PromptAnswer::No;
  PromptAnswer a = answers.front();
  answers.pop_front();
  return a;
}

std::string ScriptedPrompt::ChooseOpenFile(const std::string& title, const std::string&) {
  chooserTitles.push_back(title);
  if (fileChoices.empty()) return {};
  std::string f = fileChoices.front();
  fileChoices.pop_front();
  return f;
}

std::string ScriptedPrompt::ChooseSaveFile(const std::string& title, const std::string& filter) {
  return ChooseOpenFile(title, filter);
}

UserPrompt& Prompt() { return *g_prompt; }
Help& HelpSystem() { return *g_help; }
WaitCursor& Cursor() { return *g_cursor; }
CancelRequest& Cancel() { return *g_cancel; }

void SetPrompt(UserPrompt* prompt) { g_prompt = prompt ? prompt : &g_defaultPrompt; }
void SetHelp(Help* help) { g_help = help ? help : &g_defaultHelp; }
void SetWaitCursor(WaitCursor* cursor) { g_cursor = cursor ? cursor : &g_defaultCursor; }
void SetCancel(CancelRequest* cancel) { g_cancel = cancel ? cancel : &g_defaultCancel; }

}  // namespace edbs
