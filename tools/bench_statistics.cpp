// Measures each statistic over the files given (loaded as the desktop program loads them): the
// best and the median of several runs, in milliseconds of wall time and of the process's CPU time
// (the machine may be shared: CPU time is what the statistic itself costs).
// Usage: bench_statistics [-n RUNS] [-k KIND] FILE...   (KIND 0..12 measures that statistic only)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "load/file_reader.h"
#include "platform/recording_canvas.h"
#include "platform/text.h"
#include "store/edbs_store.h"
#include "views/statistics.h"

namespace {

double Milliseconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

double CpuMilliseconds() { return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

}  // namespace

int main(int argc, char** argv) {
  int runs = 5;
  int only = -1;
  std::vector<std::string> files;
  for (int k = 1; k < argc; ++k) {
    const std::string arg = argv[k];
    if (arg == "-n" && k + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++k]));
    } else if (arg == "-k" && k + 1 < argc) {
      only = std::atoi(argv[++k]);
    } else {
      files.push_back(arg);
    }
  }
  if (files.empty()) {
    std::fprintf(stderr, "Aufruf: bench_statistics [-n RUNS] [-k ART] DATEI...\n");
    return 2;
  }
  const auto loadStart = std::chrono::steady_clock::now();
  for (std::size_t k = 0; k < files.size(); ++k) {
    g_fileName = files[k];
    g_pendingAction = k == 0 ? kPendingOpen : kPendingAdd;
    edbs::NullCanvas canvas;
    PerformPendingLoad(canvas);
  }
  long long parts = 0;
  for (int i = 0; i < g_store.GetRecordCount(); ++i) parts += g_store.GetPartCount(i);
  std::printf("%d records, %lld parts, loaded in %.0f ms\n", g_store.GetRecordCount(), parts,
              Milliseconds(std::chrono::steady_clock::now() - loadStart));
  for (int kind = 0; kind < kStatisticCount; ++kind) {
    if (only >= 0 && kind != only) continue;
    std::vector<double> times, cpuTimes;
    std::string title;
    for (int r = 0; r < runs; ++r) {
      const auto start = std::chrono::steady_clock::now();
      const double cpuStart = CpuMilliseconds();
      const std::vector<std::string> lines = StatisticLines(kind);
      cpuTimes.push_back(CpuMilliseconds() - cpuStart);
      times.push_back(Milliseconds(std::chrono::steady_clock::now() - start));
      title = lines.empty() ? std::string() : lines.front();
      std::replace(title.begin(), title.end(), '\t', ' ');
      title.resize(std::max<std::size_t>(title.size(), 42), ' ');  // padded before UTF-8 widens it
    }
    std::sort(times.begin(), times.end());
    std::sort(cpuTimes.begin(), cpuTimes.end());
    std::printf("%s best %6.1f ms  median %6.1f ms  (CPU best %6.1f ms  median %6.1f ms)\n",
                edbs::Cp1252ToUtf8(title).c_str(), times.front(), times[times.size() / 2], cpuTimes.front(),
                cpuTimes[cpuTimes.size() / 2]);
  }
  return 0;
}
