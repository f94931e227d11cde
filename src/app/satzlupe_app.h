#pragma once
// The application object: start-up and exit of the desktop program.

#include <QObject>
#include <QStringList>

#include <memory>

#include "platform/profile.h"

namespace satzlupe {

class CMainFrame;
class QtHelp;
class QtPrompt;
class QtWaitCursor;

class CSatzlupeApp {
 public:
  // `profile` nullptr: the program's own settings (QSettings).
  explicit CSatzlupeApp(edbs::Profile* profile = nullptr);
  ~CSatzlupeApp();
  CSatzlupeApp(const CSatzlupeApp&) = delete;
  CSatzlupeApp& operator=(const CSatzlupeApp&) = delete;

  // Loads settings and reopen list, creates the main window, opens a file named on the command
  // line (`arguments` without the program name) and shows the window.
  bool InitInstance(const QStringList& arguments);
  // Writes the settings and the reopen list back, once; also when the application quits.
  void ExitInstance();

  CMainFrame* MainFrame() const { return m_frame.get(); }
  edbs::Profile& Profile() { return *m_profile; }

 private:
  std::unique_ptr<edbs::Profile> m_ownProfile;
  edbs::Profile* m_profile;
  std::unique_ptr<QtPrompt> m_prompt;
  std::unique_ptr<QtHelp> m_help;
  std::unique_ptr<QtWaitCursor> m_cursor;
  std::unique_ptr<CMainFrame> m_frame;
  std::unique_ptr<QObject> m_quitContext;  // the connection to the application's quit lives as long as this
  bool m_exitWritten = false;
};

// Sets the names under which the program keeps its settings, the font substitutes and Qt's German
// translations; once per process, after the QApplication exists.
void SetUpApplication();
// Whether Qt's German translations were found and installed.
bool GermanQtTranslationLoaded();

}  // namespace satzlupe
