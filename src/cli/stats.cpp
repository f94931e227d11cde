// satzlupe-cli stats: one statistic of the loaded records, line for line as the statistics list
// of the desktop program shows it (tabs kept), in UTF-8.

#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli_common.h"
#include "filter_options.h"
#include "platform/text.h"
#include "store/edbs_store.h"
#include "views/statistics.h"

namespace cli {
namespace {

struct StatisticName {
  std::string_view name;
  int kind;
};

// In the order of the dialog's buttons, "Sätze - Dateien" first.
constexpr StatisticName kStatisticNames[] = {
    {"saetze", kStatRecordsPerFile},   {"op", kStatOpKeys},
    {"info", kStatInfoNames},          {"aggregate", kStatAggregates},
    {"folien", kStatLayers},           {"objektarten", kStatObjectKinds},
    {"objektschluessel", kStatObjectKeys}, {"artinfo", kStatInfoKinds},
    {"artgeom", kStatGeometryKinds},   {"fachkennungen", kStatFachkennungen},
    {"extrem", kStatExtremes},         {"attribute", kStatAttributes},
    {"whf", kStatRepeatCounts},
};

int KindOf(std::string_view name) {
  for (const StatisticName& s : kStatisticNames) {
    if (s.name == name) return s.kind;
  }
  return -1;
}

}  // namespace

std::string StatisticNameList(std::string_view indent) {
  constexpr std::size_t kWidth = 90;
  std::string list(indent);
  std::size_t lineStart = 0;
  for (const StatisticName& s : kStatisticNames) {
    if (list.size() > indent.size()) {
      list += ',';
      if (list.size() - lineStart + s.name.size() + 2 > kWidth) {
        list += '\n';
        lineStart = list.size();
        list += indent;
      } else {
        list += ' ';
      }
    }
    list += s.name;
  }
  return list;
}

int RunStats(const std::vector<std::string>& givenArgs) {
  std::vector<std::string> args = givenArgs;
  FilterOptions filters;
  if (const int usage = TakeFilterOptions(args, filters); usage != kExitOk) return usage;
  const int kind = args.empty() ? -1 : KindOf(args[0]);
  if (kind < 0 || args.size() < 2) {
    if (kind < 0 && !args.empty()) std::cerr << "Unbekannte Statistik: " << args[0] << '\n';
    std::cerr << "Aufruf: satzlupe-cli stats NAME DATEI...\nNAME ist eine von:\n" << StatisticNameList("  ") << '\n';
    return kExitCannotOpen;
  }
  const int status = LoadAll(std::vector<std::string>(args.begin() + 1, args.end()));
  // Nothing read at all: no statistic of an empty store pretends to describe the files.
  if (status != kExitOk && g_store.GetRecordCount() == 0) return status;
  if (ApplyFilterOptions(filters) != kExitOk) return kExitFilterMessage;
  std::string out;
  for (const std::string& line : StatisticLines(kind)) {
    out += edbs::Cp1252ToUtf8(line);
    out += '\n';
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  return status;
}

}  // namespace cli
