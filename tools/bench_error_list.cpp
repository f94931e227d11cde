// Measures the error-list dialog on a file: the load, building the dialog, its first painting, and
// copying every row. Usage: bench_error_list FILE (without a display: QT_QPA_PLATFORM=offscreen).

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>

#include <cstdio>

#include "error_list_dialog.h"
#include "load/error_list.h"
#include "load/file_reader.h"
#include "platform/recording_canvas.h"
#include "satzlupe_app.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "Aufruf: bench_error_list DATEI\n");
    return 2;
  }
  satzlupe::SetUpApplication();
  QElapsedTimer timer;
  timer.start();
  g_fileName = argv[1];
  g_pendingAction = kPendingOpen;
  edbs::NullCanvas canvas;
  PerformPendingLoad(canvas);
  std::printf("Laden: %lld ms, %zu Befunde\n", static_cast<long long>(timer.restart()), g_errorMessages.size());
  satzlupe::CErrorListDialog dialog;
  std::printf("Dialog aufbauen: %lld ms\n", static_cast<long long>(timer.restart()));
  dialog.show();
  (void)dialog.grab();
  std::printf("Erstes Zeichnen: %lld ms\n", static_cast<long long>(timer.restart()));
  dialog.List()->selectAll();
  const QString text = dialog.SelectedText();
  std::printf("Alles kopieren: %lld ms, %lld Zeichen\n", static_cast<long long>(timer.restart()),
              static_cast<long long>(text.size()));
  return 0;
}
