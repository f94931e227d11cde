#include "gui_test_support.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include "edbs_view.h"
#include "load/error_list.h"
#include "load/file_reader.h"
#include "load/recent_files.h"
#include "main_frame.h"
#include "platform/recording_canvas.h"
#include "qtext.h"
#include "satzlupe_app.h"
#include "store/edbs_store.h"
#include "views/settings.h"
#include "views/view_state.h"

namespace guitest {
namespace {
QTemporaryDir* g_home = nullptr;
}

void IsolateUserFolders() {
  g_home = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/satzlupe-gui-XXXXXX"));
  qputenv("HOME", g_home->path().toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", (g_home->path() + QStringLiteral("/.config")).toLocal8Bit());
  qputenv("XDG_DATA_HOME", (g_home->path() + QStringLiteral("/.local/share")).toLocal8Bit());
  QStandardPaths::setTestModeEnabled(true);
}

QString TempDir() { return g_home ? g_home->path() : QDir::tempPath(); }

void ResetProgramState() {
  satzlupe::SetUpApplication();
  g_store.ClearAll();
  ResetLoadState();
  ResetSettings();
  ResetViewState();
  g_recentFiles.fill(std::string());
  g_loadedFiles.fill(std::string());
}

ScriptedServices::ScriptedServices() {
  edbs::SetPrompt(&prompt);
  edbs::SetHelp(&help);
  edbs::SetWaitCursor(&cursor);
}

ScriptedServices::~ScriptedServices() {
  edbs::SetPrompt(nullptr);
  edbs::SetHelp(nullptr);
  edbs::SetWaitCursor(nullptr);
}

QString WriteEdbsFile(const QString& name, const QStringList& lines) {
  const QString path = TempDir() + QLatin1Char('/') + name;
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
  for (const QString& line : lines) {
    const std::string bytes = satzlupe::ToCoreText(line);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    file.write("\n");
  }
  return path;
}

QString EdbsLine(const QString& opKey, int number, const QString& infoName, const QString& body, QChar marker) {
  const int total = 36 + static_cast<int>(body.size());
  const QString head = QStringLiteral("EDBS%1%2%3%4%5 0000%6")
                           .arg(total - 12, 4, 10, QLatin1Char('0'))
                           .arg(0, 4, 10, QLatin1Char('0'))
                           .arg(opKey)
                           .arg(number, 6, 10, QLatin1Char('0'))
                           .arg(marker)
                           .arg(infoName.leftJustified(8, QLatin1Char(' ')));
  return head + body;
}

QString ExampleFile() {
  const QString path = QStringLiteral(SATZLUPE_EXAMPLES "/beispiel.edbs");
  return QFile::exists(path) ? path : QString();
}

QString UnpackedSample() {
  const QString packed = QStringLiteral(SATZLUPE_SHARED_DATA "/edbs.ALK_Muster_EDBS_FEIN.dbout.1.001.gz");
  if (!QFile::exists(packed)) return {};
  const QString path = TempDir() + QStringLiteral("/ostritz.edbs");
  if (QFile::exists(path)) return path;
  QProcess gzip;
  gzip.setStandardOutputFile(path);
  gzip.start(QStringLiteral("gzip"), {QStringLiteral("-dc"), packed});
  if (gzip.waitForFinished(60000) && gzip.exitCode() == 0) return path;
  QFile::remove(path);
  return {};
}

void LoadFile(const QString& path) {
  g_fileName = satzlupe::QStringToPath(path);
  g_pendingAction = kPendingOpen;
  edbs::NullCanvas canvas;
  PerformPendingLoad(canvas);
}

void RunningFrame::Start(QSize size) {
  ResetProgramState();
  services = std::make_unique<ScriptedServices>();
  frame = std::make_unique<satzlupe::CMainFrame>();
  if (size.isValid()) frame->resize(size);
  frame->show();
  QCoreApplication::processEvents();
}

void RunningFrame::Stop() {
  frame.reset();
  services.reset();
}

bool WaitForLoad(satzlupe::CMainFrame& frame, int timeoutMs) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < timeoutMs) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (g_pendingAction != kPendingOpen && g_pendingAction != kPendingAdd && !frame.View()->IsLoading()) {
      QCoreApplication::processEvents();
      return true;
    }
  }
  return false;
}

std::string Core(const char* utf8) { return satzlupe::ToCoreText(QString::fromUtf8(utf8)); }

QString ShotDir() {
  const QString folder = qEnvironmentVariableIsEmpty("SATZLUPE_SHOT_DIR") ? QStringLiteral("/tmp/shots")
                                                                         : qEnvironmentVariable("SATZLUPE_SHOT_DIR");
  QDir().mkpath(folder);
  return folder;
}

void SaveShot(QWidget& widget, const QString& name) {
  widget.grab().save(ShotDir() + QLatin1Char('/') + name + QStringLiteral(".png"));
}

}  // namespace guitest
