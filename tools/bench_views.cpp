// Benchmark (not a test) of the views on a loaded delivery, as the desktop program runs them: the
// graphic's full redraw and an unchanged repaint in the view (offscreen), one filter criterion
// per kind of test (a part field, the text of every part, the text with case ignored) and each
// statistic. Every measurement is repeated; one line per measurement, tab-separated: name, best,
// median and worst in milliseconds. The benchmark suite (tools/bench) reads these lines.
//
//   bench_views [-n RUNS] [--groesse 800x600] [--nur NAME] FILE...
//
// --nur NAME measures only what begins with NAME ("Statistik 12", "Kriterium"): for a profile.

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "edbs_view.h"
#include "load/file_reader.h"
#include "platform/recording_canvas.h"
#include "platform/text.h"
#include "records/filter_table.h"
#include "store/edbs_store.h"
#include "views/filter.h"
#include "views/graphic.h"
#include "views/statistics.h"
#include "views/view_state.h"

namespace {

// Milliseconds of `runs` calls of `step`, sorted.
template <typename Step>
std::vector<double> Measure(int runs, Step step) {
  std::vector<double> ms;
  for (int k = 0; k < runs; ++k) {
    QElapsedTimer t;
    t.start();
    step();
    ms.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
  }
  std::sort(ms.begin(), ms.end());
  return ms;
}

void Print(const std::string& name, const std::vector<double>& ms) {
  std::printf("%s\t%.2f\t%.2f\t%.2f\n", name.c_str(), ms.front(), ms[ms.size() / 2], ms.back());
  std::fflush(stdout);
}

// The tab whose criterion is `code`, and whether its extra checkbox selects it.
bool FindTab(int code, int& tab, bool& extra) {
  for (int r = 0; r < kFilterCriterionCount; ++r) {
    if (kFilterTable[r].code != code) continue;
    tab = kFilterTable[r].tab;
    extra = r >= kFilterTabCount;
    return true;
  }
  return false;
}

// The measurements asked for: all, or those whose name begins with --nur.
std::string g_only;
bool Wanted(const std::string& name) { return name.starts_with(g_only); }

void MeasureCriterion(const std::string& name, int code, const std::string& arguments, int runs) {
  if (!Wanted(name)) return;
  FilterRun run;
  if (!FindTab(code, run.tab, run.extraTicked)) return;
  run.argumentLine = arguments;
  int count = 0;
  const std::vector<double> ms = Measure(runs, [&] {
    g_store.ClearFilterSet();
    if (const auto message = RunFilter(run)) std::fprintf(stderr, "%s\n", edbs::Cp1252ToUtf8(*message).c_str());
    count = g_filterCount;
  });
  Print(name + " (" + std::to_string(count) + " Saetze)", ms);
  g_store.ClearFilterSet();
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  int runs = 5, width = 800, height = 600;
  std::vector<std::string> files;
  for (int k = 1; k < argc; ++k) {
    const std::string a = argv[k];
    if (a == "-n" && k + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++k]));
    } else if (a == "--groesse" && k + 1 < argc) {
      if (std::sscanf(argv[++k], "%dx%d", &width, &height) != 2) return 2;
    } else if (a == "--nur" && k + 1 < argc) {
      g_only = argv[++k];
    } else {
      files.push_back(a);
    }
  }
  if (files.empty()) {
    std::fprintf(stderr, "Aufruf: bench_views [-n LAEUFE] [--groesse BREITExHOEHE] DATEI...\n");
    return 2;
  }

  QElapsedTimer load;
  load.start();
  edbs::NullCanvas nothing;
  for (std::size_t k = 0; k < files.size(); ++k) {
    g_fileName = files[k];
    g_pendingAction = k == 0 ? kPendingOpen : kPendingAdd;
    PerformPendingLoad(nothing);
  }
  Print("Laden", {static_cast<double>(load.nsecsElapsed()) / 1e6});

  satzlupe::CEdbsView view;
  view.setFrameShape(QFrame::NoFrame);
  view.resize(width, height);
  view.show();
  QCoreApplication::processEvents();
  if (Wanted("Grafik")) {
    view.OnGraphic();
    Print("Grafik neu zeichnen", Measure(runs, [&] {
            view.Invalidate();
            view.viewport()->repaint();
          }));
    const int draws = view.GraphicDrawCount();
    Print("Grafik unveraendert anzeigen", Measure(4 * runs, [&] { view.viewport()->repaint(); }));
    if (view.GraphicDrawCount() != draws) std::fprintf(stderr, "Das Bild wurde beim unveraenderten Anzeigen neu gezeichnet!\n");
  }

  MeasureCriterion("Kriterium Folie 001-999", kCritFolie, "001-999", runs);
  MeasureCriterion("Kriterium Text 0001", kCritText, "0001", runs);
  MeasureCriterion("Kriterium Text ohne Gross/Klein a0003", kCritTextOhneGrossKlein, "a0003", runs);

  for (int kind = 0; kind < kStatisticCount; ++kind) {
    if (!Wanted("Statistik " + std::to_string(kind) + " ")) continue;
    std::string title;
    const std::vector<double> ms = Measure(runs, [&] {
      const std::vector<std::string> lines = StatisticLines(kind);
      title = lines.empty() ? std::string() : edbs::Cp1252ToUtf8(lines.front());
    });
    std::replace(title.begin(), title.end(), '\t', ' ');
    while (!title.empty() && title.back() == ' ') title.pop_back();
    Print("Statistik " + std::to_string(kind) + " " + title, ms);
  }
  return 0;
}
