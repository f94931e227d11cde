// satzlupe-cli check: the load result of each file, as the load screen and the error list show it.

#include <cstdio>
#include <string>
#include <vector>

#include "cli_common.h"
#include "filter_options.h"
#include "load/checks.h"
#include "load/error_list.h"
#include "load/file_reader.h"
#include "platform/text.h"

namespace cli {
namespace {

// Writes the result as it goes, a line at a time through the buffered standard output: a file in
// which every line has findings makes a report larger than itself.
void PrintCheckResult(const std::string& path) {
  const auto put = [](const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
  };
  put("Datei: " + path);
  put(edbs::Cp1252ToUtf8(LinesReadText()));
  put(edbs::Cp1252ToUtf8(RecordsParsedText()));
  for (int row = 1; row <= kCheckRows; ++row) {
    const int count = (row == 6 || row == 7) ? 0 : g_checkCounts[row];
    put(std::to_string(count) + "\t" + (count == 0 ? "OK" : "FEHLER") + "\t" + edbs::Cp1252ToUtf8(kCheckLabels[row]));
  }
  put("");
  for (int k = 0; k < static_cast<int>(g_errorList.size()); ++k) put(edbs::Cp1252ToUtf8(ErrorListText(k)));
}

}  // namespace

int RunCheck(const std::vector<std::string>& args) {
  std::vector<std::string> files = args;
  FilterOptions filters;
  if (const int usage = TakeFilterOptions(files, filters); usage != kExitOk) return usage;
  if (files.empty()) {
    std::fprintf(stderr, "Aufruf: satzlupe-cli check [FILTER...] DATEI...\n");
    return kExitCannotOpen;
  }
  int status = kExitOk;
  bool first = true;
  for (const std::string& path : files) {
    if (!Load(path, first)) {
      status = kExitCannotOpen;
      continue;
    }
    first = false;
    PrintCheckResult(path);
    if (g_loadEnd != LoadEnd::kComplete) status = kExitCannotOpen;
    if (!g_errorList.empty() && status == kExitOk) status = kExitFindings;
  }
  if (filters.empty()) return status;
  if (ApplyFilterOptions(filters) != kExitOk) return kExitFilterMessage;
  std::printf("%s\n", FilterCountLine().c_str());
  return status;
}

}  // namespace cli
