#pragma once
// The platform services that the core calls from deep inside an operation (message boxes, the wait
// cursor, help, the request to stop a load). The desktop program installs its Qt implementations at start-up, the batch tool
// its own, tests their doubles; until then harmless defaults answer.

#include <deque>
#include <string>
#include <vector>

namespace edbs {

enum class PromptAnswer { Ok, Yes, No, Cancel };

class UserPrompt {
 public:
  virtual ~UserPrompt() = default;
  // A message box with an OK button. The text is core text (Windows-1252).
  virtual void ShowMessage(const std::string& text) = 0;
  // A question with Yes and No buttons.
  virtual PromptAnswer AskYesNo(const std::string& text) = 0;
  // File choosers; an empty result means the user cancelled. Paths are in the file system's form.
  virtual std::string ChooseOpenFile(const std::string& title, const std::string& filter) = 0;
  virtual std::string ChooseSaveFile(const std::string& title, const std::string& filter) = 0;
};

class Help {
 public:
  virtual ~Help() = default;
  virtual void ShowTopic(int contextId) = 0;
  virtual void ShowContents() = 0;
};

class WaitCursor {
 public:
  virtual ~WaitCursor() = default;
  virtual void Show(bool wait) = 0;
};

// Asked at every progress step of a long load whether the user wants it stopped (Esc in the
// desktop program). Each request is answered true once: a load stopped while reading still joins
// what it has read, and a second request stops that too. The default never stops.
class CancelRequest {
 public:
  virtual ~CancelRequest() = default;
  virtual bool Cancelled() = 0;
};

// Scripted answers and a record of every message, for tests and the batch tool.
class ScriptedPrompt : public UserPrompt {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  PromptAnswer AskYesNo(const std::string& text) override;
  std::string ChooseOpenFile(const std::string& title, const std::string& filter) override;
  std::string ChooseSaveFile(const std::string& title, const std::string& filter) override;

  std::vector<std::string> messages;      // every message and question, in order
  std::deque<PromptAnswer> answers;       // answers for AskYesNo; No when exhausted
  std::deque<std::string> fileChoices;    // answers for the file choosers; cancel when exhausted
  std::vector<std::string> chooserTitles;
};

class RecordingHelp : public Help {
 public:
  void ShowTopic(int contextId) override { topics.push_back(contextId); }
  void ShowContents() override { topics.push_back(0); }
  std::vector<int> topics;  // 0 stands for the contents
};

class RecordingWaitCursor : public WaitCursor {
 public:
  void Show(bool wait) override { shown = wait; ++changes; }
  bool shown = false;
  int changes = 0;
};

// Cancels at the `after`-th question, once; counts the questions.
class CountdownCancel : public CancelRequest {
 public:
  explicit CountdownCancel(int after) : m_after(after) {}
  bool Cancelled() override { return ++asked == m_after; }
  int asked = 0;

 private:
  int m_after;
};

UserPrompt& Prompt();
Help& HelpSystem();
WaitCursor& Cursor();
CancelRequest& Cancel();

// Installs a service; nullptr restores the default. The caller keeps ownership.
void SetPrompt(UserPrompt* prompt);
void SetHelp(Help* help);
void SetWaitCursor(WaitCursor* cursor);
void SetCancel(CancelRequest* cancel);

}  // namespace edbs
