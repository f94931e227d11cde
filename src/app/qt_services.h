#pragma once
// Qt implementations of the platform services: message boxes and file choosers, the wait cursor
// and the profile (QSettings).

#include <QSettings>
#include <QString>

#include <memory>

#include "platform/profile.h"
#include "platform/services.h"

namespace satzlupe {

// Message boxes carry the program's name as title and, as Windows adds them, a warning icon for
// plain messages and a question mark for Yes/No questions.
// The file choosers start in the folder of the file read or saved last.
class QtPrompt : public edbs::UserPrompt {
 public:
  void ShowMessage(const std::string& text) override;
  edbs::PromptAnswer AskYesNo(const std::string& text) override;
  std::string ChooseOpenFile(const std::string& title, const std::string& filter) override;
  std::string ChooseSaveFile(const std::string& title, const std::string& filter) override;

  // The folder the next file chooser starts in; empty: the working folder.
  QString StartFolder();

 private:
  std::string RunFileDialog(const std::string& title, const std::string& filter, bool save);

  QString m_lastFolder;
  std::string m_seenRecentFile;  // the reopen list's top when a chooser last ran
};

// Turns a Windows filter text ("Alle Dateien (*.*)|*.*||") into Qt name filters; "*.*" matches
// every file there, also one without a dot, so it becomes "*".
QStringList QtNameFilters(const QString& windowsFilter);
// The extension of a Qt name filter's first pattern ("gpkg" of "GeoPackage (*.gpkg)"); empty for "*".
QString FilterSuffix(const QString& nameFilter);

class QtWaitCursor : public edbs::WaitCursor {
 public:
  ~QtWaitCursor() override;
  void Show(bool wait) override;

 private:
  bool m_shown = false;
};

// The profile in QSettings: the registry on Windows, an INI file elsewhere. A section is a group.
class QtProfile : public edbs::Profile {
 public:
  QtProfile();                                // the program's own settings
  explicit QtProfile(const QString& iniPath);  // a given INI file (tests)

  int GetInt(const std::string& section, const std::string& key, int defaultValue) override;
  void WriteInt(const std::string& section, const std::string& key, int value) override;
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& defaultValue) override;
  void WriteString(const std::string& section, const std::string& key, const std::string& value) override;

  QSettings& Settings() { return *m_settings; }

 private:
  std::unique_ptr<QSettings> m_settings;
};

// Company and program name under which the settings are kept.
inline constexpr const char* kCompanyName = "Satzlupe";
inline constexpr const char* kProgramName = "Satzlupe";

}  // namespace satzlupe
