#pragma once
// Shared set-up of the GUI tests: an isolated home and profile, scripted message boxes and file
// choosers, the recorded help, small EDBS files, and a way to wait for a load.

#include <QApplication>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <string>

#include "platform/services.h"

namespace satzlupe {
class CMainFrame;
}

namespace guitest {

// Points HOME and the configuration folders at a fresh temporary folder; call before QApplication.
void IsolateUserFolders();
// The temporary folder of this test run (files written by the tests go there).
QString TempDir();

// Program state back to a fresh start: store, error list, load state, settings, reopen list.
void ResetProgramState();

// Scripted prompt and recorded help, installed for the lifetime of the object.
struct ScriptedServices {
  ScriptedServices();
  ~ScriptedServices();
  edbs::ScriptedPrompt prompt;
  edbs::RecordingHelp help;
  edbs::RecordingWaitCursor cursor;
};

// The main window as each test of it starts: program state reset, scripted services, the window
// shown (resized first when a size is given). Stop closes the window before the services go.
struct RunningFrame {
  void Start(QSize size = QSize());
  void Stop();
  std::unique_ptr<ScriptedServices> services;
  std::unique_ptr<satzlupe::CMainFrame> frame;
};

// Writes `lines` (UTF-8 in the test source, written as Windows-1252) each ended by a line feed.
QString WriteEdbsFile(const QString& name, const QStringList& lines);
// One EDBS line from its 36-character header fields and body; the length field is computed.
QString EdbsLine(const QString& opKey, int number, const QString& infoName, const QString& body,
                 QChar marker = QLatin1Char(' '));
// The bundled example, or an empty string when it is absent.
QString ExampleFile();
// The real ALK sample delivery unpacked into TempDir() (once per run), or an empty string when
// the shared data is absent.
QString UnpackedSample();

// Loads `path` at once, as the view's pending open would, without a window.
void LoadFile(const QString& path);
// Waits until a pending open or add has run.
bool WaitForLoad(satzlupe::CMainFrame& frame, int timeoutMs = 20000);
// Core text from a UTF-8 literal, for comparing with what the core recorded.
std::string Core(const char* utf8);

// The folder for pictures: $SATZLUPE_SHOT_DIR, by default /tmp/shots (made when missing).
QString ShotDir();
// Saves a picture of `widget` to <name>.png in $SATZLUPE_SHOT_DIR, by default /tmp/shots.
void SaveShot(QWidget& widget, const QString& name);

}  // namespace guitest

// A test program for one Qt Test class, with the user folders isolated first.
#define SATZLUPE_GUI_TEST_MAIN(TestClass)              \
  int main(int argc, char** argv) {                    \
    guitest::IsolateUserFolders();                     \
    QApplication app(argc, argv);                      \
    app.setAttribute(Qt::AA_Use96Dpi, true);           \
    TestClass test;                                    \
    return QTest::qExec(&test, argc, argv);            \
  }
