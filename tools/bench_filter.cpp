// Benchmark (not a test): loads N concatenated copies of an EDBS file as one file and times one
// filter criterion over all records, as "Filter ausführen" runs it.
// Usage: bench_filter FILE [COPIES=20] [TAB=10] [ARGUMENTE=001-999]

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "load/file_reader.h"
#include "platform/recording_canvas.h"
#include "store/edbs_store.h"
#include "views/filter.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "Aufruf: bench_filter DATEI [KOPIEN=20] [REITER=10] [ARGUMENTE=001-999]\n");
    return 2;
  }
  const int copies = argc > 2 ? std::atoi(argv[2]) : 20;
  const int tab = argc > 3 ? std::atoi(argv[3]) : 10;
  const std::string args = argc > 4 ? argv[4] : "001-999";

  std::ifstream in(argv[1], std::ios::binary);
  std::stringstream buffer;
  buffer << in.rdbuf();
  const std::string one = buffer.str();
  const std::string path = "/tmp/satzlupe-bench-filter.edbs";
  {
    std::ofstream out(path, std::ios::binary);
    for (int k = 0; k < copies; ++k) out << one;
  }
  g_fileName = path;
  g_pendingAction = kPendingOpen;
  edbs::NullCanvas canvas;
  PerformPendingLoad(canvas);
  std::printf("%d Sätze geladen\n", g_store.GetRecordCount());

  FilterRun run;
  run.tab = tab;
  run.argumentLine = args;
  for (int round = 0; round < 5; ++round) {
    g_store.ClearFilterSet();
    const auto start = std::chrono::steady_clock::now();
    const auto message = RunFilter(run);
    const auto end = std::chrono::steady_clock::now();
    if (message) {
      std::printf("Meldung: %s\n", message->c_str());
      return 3;
    }
    std::printf("Reiter %d [%s]: %d Sätze in der Filtermenge, %.1f ms\n", tab, args.c_str(), g_filterCount,
                std::chrono::duration<double, std::milli>(end - start).count());
  }
  std::remove(path.c_str());
  return 0;
}
