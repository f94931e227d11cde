// Benchmark of the graphic: loads COPIES concatenated copies of an EDBS delivery (the real ALK
// sample by default, gzip is unpacked) and measures, in the desktop program's view under the
// offscreen platform, a full redraw of the graphic and a repaint that changes nothing.
//
//   bench_graphic [FILE|-] [COPIES] [WIDTHxHEIGHT] [ZOOM]   (defaults: the shared sample, 20, 800x600, 1)
//
// A zoom above 1 enlarges around the middle of the data, where the texts become large enough to
// be placed.

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QScrollBar>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "edbs_view.h"
#include "load/file_reader.h"
#include "platform/recording_canvas.h"
#include "store/edbs_store.h"
#include "views/graphic.h"
#include "views/view_state.h"

namespace {

std::string ReadDelivery(const QString& path) {
  if (path.endsWith(QStringLiteral(".gz"))) {
    QProcess gzip;
    gzip.start(QStringLiteral("gzip"), {QStringLiteral("-dc"), path});
    gzip.waitForFinished(-1);
    return gzip.readAllStandardOutput().toStdString();
  }
  std::ifstream in(path.toStdString(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// Milliseconds of `runs` calls of `step`, as the median.
template <typename Step>
double Measure(int runs, Step step) {
  std::vector<double> ms;
  for (int k = 0; k < runs; ++k) {
    QElapsedTimer t;
    t.start();
    step();
    ms.push_back(t.nsecsElapsed() / 1e6);
  }
  return Median(ms);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QStringList args = QApplication::arguments();
  // "-" names the shared sample too.
  const QString file = args.size() > 1 && args[1] != QStringLiteral("-")
                           ? args[1]
                           : QStringLiteral(SATZLUPE_SHARED_DATA "/edbs.ALK_Muster_EDBS_FEIN.dbout.1.001.gz");
  const int copies = args.size() > 2 ? args[2].toInt() : 20;
  const QStringList size = (args.size() > 3 ? args[3] : QStringLiteral("800x600")).split(QLatin1Char('x'));
  const int w = size.value(0).toInt(), h = size.value(1).toInt();
  const double zoom = args.size() > 4 ? args[4].toDouble() : 1.0;

  const std::string delivery = ReadDelivery(file);
  if (delivery.empty() || copies < 1 || w < 1 || h < 1 || !(zoom > 0)) {
    std::fprintf(stderr, "Aufruf: bench_graphic [DATEI] [KOPIEN] [BREITExHOEHE] [ZOOM]\n");
    return 2;
  }
  const std::string path = "/tmp/bench_graphic_" + std::to_string(copies) + ".edbs";
  {
    std::ofstream out(path, std::ios::binary);
    for (int k = 0; k < copies; ++k) out << delivery;
  }

  QElapsedTimer timer;
  timer.start();
  g_fileName = path;
  g_pendingAction = kPendingOpen;
  edbs::NullCanvas nothing;
  PerformPendingLoad(nothing);
  std::printf("Datei: %s, %d Kopien, %d Saetze, geladen in %.0f ms\n", qPrintable(file), copies,
              g_store.GetRecordCount(), timer.nsecsElapsed() / 1e6);

  satzlupe::CEdbsView view;
  view.setFrameShape(QFrame::NoFrame);
  view.resize(w, h);
  view.show();
  QCoreApplication::processEvents();
  view.OnGraphic();
  g_viewZoom = zoom;

  // The core alone: extent, scale and every record's geometry, onto a surface that draws nothing.
  const double core = Measure(5, [] {
    edbs::NullCanvas dc;
    DrawGraphic(dc);
  });
  const double full = Measure(5, [&] {
    view.Invalidate();
    view.viewport()->repaint();
  });
  const int draws = view.GraphicDrawCount();
  const double unchanged = Measure(20, [&] { view.viewport()->repaint(); });
  std::printf("Fenster %dx%d, %.4f Pixel je Meter\n", view.ClientSize().width(), view.ClientSize().height(),
              g_viewScale);
  std::printf("Geometrie ohne Zeichnen (Kern):  %8.1f ms\n", core);
  std::printf("Grafik neu zeichnen:             %8.1f ms   (Ziel <= 1000 ms)\n", full);
  std::printf("Unveraendert neu anzeigen:       %8.2f ms   (Ziel <= 30 ms)%s\n", unchanged,
              view.GraphicDrawCount() == draws ? "" : "  -- das Bild wurde neu gezeichnet!");
  std::remove(path.c_str());
  return 0;
}
