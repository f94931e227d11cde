// Esc stops a running load in the desktop program: a pipe that never ends is read until the user
// presses Esc, what was read stays, and the window ignores every other key and click meanwhile.

#include <QKeyEvent>
#include <QStatusBar>
#include <QTimer>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <thread>

#include "commands.h"
#include "edbs_view.h"
#include "gui_test_support.h"
#include "load/error_list.h"
#include "load/file_reader.h"
#include "main_frame.h"
#include "qtext.h"
#include "records/edbs_part.h"
#include "store/edbs_store.h"

using namespace satzlupe;

namespace {

// Writes EDBS lines into a named pipe until the reader goes away.
class EndlessPipe {
 public:
  explicit EndlessPipe(const QString& path) : m_path(QStringToPath(path)) {
    signal(SIGPIPE, SIG_IGN);  // the writer learns from EPIPE that the reader has gone
    m_ok = mkfifo(m_path.c_str(), 0600) == 0;
    if (!m_ok) return;
    m_writer = std::thread([this] {
      std::FILE* f = std::fopen(m_path.c_str(), "wb");
      const std::string line = guitest::Core("EDBS00460000BINF000001  0000ULOTEX  0001immer weiter      \n");
      while (f != nullptr && std::fwrite(line.data(), 1, line.size(), f) == line.size()) {
      }
      if (f != nullptr) std::fclose(f);
    });
  }
  ~EndlessPipe() {
    // A writer still waiting for its reader (a test that failed early) is let go.
    const int fd = open(m_path.c_str(), O_RDONLY | O_NONBLOCK);
    if (fd >= 0) close(fd);
    if (m_writer.joinable()) m_writer.join();
    std::remove(m_path.c_str());
  }
  bool Ok() const { return m_ok; }

 private:
  std::string m_path;
  bool m_ok = false;
  std::thread m_writer;
};

void PressKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, modifiers));
  QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, key, modifiers));
}

}  // namespace

class LoadCancelTest : public QObject {
  Q_OBJECT
 private:
  guitest::RunningFrame m_app;

  // Starts "Öffnen ..." of `path`; the load begins as soon as events are processed.
  void Open(const QString& path) {
    m_app.services->prompt.fileChoices.push_back(QStringToPath(path));
    m_app.frame->Command(ID_DATEI_OEFFNEN)->trigger();
  }

 private slots:
  void init() {
    m_app.Start();
  }
  void cleanup() {
    m_app.Stop();
    ResetLoadState();
  }

  void EscStopsAPipeThatNeverEndsAndKeepsWhatWasRead() {
    EndlessPipe pipe(guitest::TempDir() + QStringLiteral("/endlos.edbs"));
    QVERIFY(pipe.Ok());
    QString statusDuringLoad;
    // Seen by the user while the load runs: the hint in the status bar; then the Esc key.
    QTimer::singleShot(300, [&] {
      statusDuringLoad = m_app.frame->statusBar()->currentMessage();
      PressKey(m_app.frame->View()->viewport(), Qt::Key_Escape);
    });
    Open(guitest::TempDir() + QStringLiteral("/endlos.edbs"));
    QVERIFY(guitest::WaitForLoad(*m_app.frame));
    QCOMPARE(statusDuringLoad, QStringLiteral("Esc bricht das Lesen ab."));
    QCOMPARE(m_app.frame->statusBar()->currentMessage(), QString());
    QCOMPARE(g_loadEnd, LoadEnd::kCancelled);
    QVERIFY(g_lineCount > 0);
    QCOMPARE(g_store.GetRecordCount(), static_cast<int>(g_lineCount));
    QCOMPARE(g_pendingAction, static_cast<int>(kPendingLoadScreen));
    const std::string stopped = Format("Das Lesen wurde abgebrochen: Die Datei wurde nur bis Zeile %lld gelesen!",
                                       static_cast<long long>(g_lineCount));
    QCOMPARE(m_app.services->prompt.messages,
             (std::vector<std::string>{guitest::Core("Probleme beim Lesen der Dateilänge!"), stopped}));
    QCOMPARE(g_errorMessages[0].substr(20), stopped);
    m_app.frame->View()->RenderImage();
    guitest::SaveShot(*m_app.frame, QStringLiteral("load_cancelled"));
  }

  void OtherKeysAndClicksDuringALoadAreIgnored() {
    EndlessPipe pipe(guitest::TempDir() + QStringLiteral("/endlos2.edbs"));
    QVERIFY(pipe.Ok());
    QTimer::singleShot(200, [&] {
      // "Öffnen ..." by its shortcut and a click into the view would start commands mid-load.
      PressKey(m_app.frame.get(), Qt::Key_O, Qt::ControlModifier);
      QCoreApplication::postEvent(m_app.frame->View()->viewport(),
                                  new QMouseEvent(QEvent::MouseButtonPress, QPointF(100, 100), QPointF(100, 100),
                                                  Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    });
    QTimer::singleShot(400, [&] { PressKey(m_app.frame->View()->viewport(), Qt::Key_Escape); });
    Open(guitest::TempDir() + QStringLiteral("/endlos2.edbs"));
    QVERIFY(guitest::WaitForLoad(*m_app.frame));
    QCOMPARE(g_loadEnd, LoadEnd::kCancelled);
    QCOMPARE(m_app.services->prompt.chooserTitles.size(), std::size_t{1});  // only the first "Öffnen ..."
    QCOMPARE(g_pendingAction, static_cast<int>(kPendingLoadScreen));
  }

  void EscAfterTheLoadDoesNothing() {
    const QString path = guitest::WriteEdbsFile(
        QStringLiteral("klein.edbs"),
        {guitest::EdbsLine(QStringLiteral("BINF"), 1, QStringLiteral("ULOTEX  "), QStringLiteral("0001klein             "))});
    Open(path);
    QVERIFY(guitest::WaitForLoad(*m_app.frame));
    QCOMPARE(g_loadEnd, LoadEnd::kComplete);
    PressKey(m_app.frame->View()->viewport(), Qt::Key_Escape);
    QCoreApplication::processEvents();
    QCOMPARE(g_store.GetRecordCount(), 1);
    QCOMPARE(g_pendingAction, static_cast<int>(kPendingLoadScreen));
  }
};

SATZLUPE_GUI_TEST_MAIN(LoadCancelTest)
#include "load_cancel_test.moc"
