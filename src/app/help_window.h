#pragma once
// The help of the desktop program: German pages from the resources, one topic per dialog at the
// context id 0x20000 + dialog id and one per dialog control at 0x50000 + control id. The map
// res/help/map.txt names the page (and anchor) of each context id.

#include <QHash>
#include <QString>
#include <QUrl>
#include <QWidget>

#include "platform/services.h"

class QTextBrowser;

namespace satzlupe {

inline constexpr int kDialogHelpBase = 0x20000;
inline constexpr int kControlHelpBase = 0x50000;

inline int DialogHelpId(int dialogId) { return kDialogHelpBase + dialogId; }
inline int ControlHelpId(int controlId) { return kControlHelpBase + controlId; }

// The page of a context id, or an empty URL when the map does not know it.
QUrl HelpTopicUrl(int contextId);
QUrl HelpContentsUrl();

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);
  void ShowPage(const QUrl& url);
  QUrl CurrentPage() const;

 private:
  QTextBrowser* m_browser;
};

// Opens the help window at a topic; unknown topics show the contents.
class QtHelp : public edbs::Help {
 public:
  ~QtHelp() override;
  void ShowTopic(int contextId) override;
  void ShowContents() override;
  HelpWindow* Window() const { return m_window; }

 private:
  HelpWindow* EnsureWindow();
  HelpWindow* m_window = nullptr;
};

}  // namespace satzlupe
