// satzlupe-cli export: the readable text export of the loaded records (of the filter set when the
// filter options leave one).

#include <iostream>
#include <string>
#include <vector>

#include "cli_common.h"
#include "filter_options.h"
#include "load/file_reader.h"
#include "views/export.h"
#include "views/settings.h"

namespace cli {

int RunExport(const std::vector<std::string>& given) {
  std::vector<std::string> args = given;
  FilterOptions filters;
  if (const int usage = TakeFilterOptions(args, filters); usage != kExitOk) return usage;
  std::string out;
  std::vector<std::string> files;
  bool longForm = true;
  for (std::size_t k = 0; k < args.size(); ++k) {
    if (args[k] == "--kurz") {
      longForm = false;
    } else if (args[k] == "--lang") {
      longForm = true;
    } else if (args[k] == "-o" && k + 1 < args.size()) {
      out = args[++k];
    } else {
      files.push_back(args[k]);
    }
  }
  if (out.empty() || files.empty()) {
    std::cerr << "Aufruf: satzlupe-cli export [--kurz|--lang] [FILTER...] -o AUSGABE DATEI...\n";
    return kExitCannotOpen;
  }
  int status = LoadAll(files);
  // A refused filter writes nothing: the export would not be what was asked for.
  if (ApplyFilterOptions(filters) != kExitOk) return kExitFilterMessage;
  g_settings.Kurzform = longForm ? 1 : 0;
  g_fileName = out;  // names the output in a write failure message
  if (!WriteReadableExport(out)) status = kExitCannotOpen;
  return status;
}

}  // namespace cli
