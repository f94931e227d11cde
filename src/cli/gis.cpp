// satzlupe-cli gis: the GIS export of the loaded records through GDAL.

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli_common.h"
#include "filter_options.h"
#include "gis/gis_export.h"
#include "gis/reference_system.h"
#include "platform/text.h"

namespace cli {
namespace {

constexpr char kUsage[] = "Aufruf: satzlupe-cli gis [--crs EPSG:N] [--ziel-crs EPSG:N] [FILTER...] -o AUSGABE DATEI...\n";

// The code after an option, or nothing after a message.
std::optional<int> EpsgArgument(const std::vector<std::string>& args, std::size_t& k) {
  if (k + 1 >= args.size()) return std::nullopt;
  const std::string& option = args[k];
  const auto code = gis::ParseEpsg(args[++k]);
  if (!code) std::cerr << option << ": kein EPSG-Code: " << args[k] << '\n';
  return code;
}

}  // namespace

int RunGis(const std::vector<std::string>& given) {
  std::vector<std::string> args = given;
  FilterOptions filters;
  if (const int usage = TakeFilterOptions(args, filters); usage != kExitOk) return usage;
  gis::GisExportRequest request;
  std::vector<std::string> files;
  for (std::size_t k = 0; k < args.size(); ++k) {
    if (args[k] == "--crs" || args[k] == "--ziel-crs") {
      const bool target = args[k] == "--ziel-crs";
      const auto code = EpsgArgument(args, k);
      if (!code) {
        std::cerr << kUsage;
        return kExitCannotOpen;
      }
      (target ? request.targetEpsg : request.sourceEpsg) = *code;
    } else if (args[k] == "-o" && k + 1 < args.size()) {
      request.path = args[++k];
    } else {
      files.push_back(args[k]);
    }
  }
  if (request.path.empty() || files.empty()) {
    std::cerr << kUsage;
    return kExitCannotOpen;
  }
  int status = LoadAll(files);
  // A refused filter writes nothing: the layers would not hold what was asked for.
  if (ApplyFilterOptions(filters) != kExitOk) return kExitFilterMessage;
  const gis::GisExportResult result = gis::ExportGis(request);
  if (!result.ok) {
    std::cerr << edbs::Cp1252ToUtf8(result.message) << '\n';
    return kExitCannotOpen;
  }
  std::cout << edbs::Cp1252ToUtf8(gis::ExportSummary(result));
  const bool faults = result.counts[static_cast<std::size_t>(gis::LayerId::kFehler)] > 0;
  if (status == kExitOk && faults) status = kExitFindings;
  return status;
}

}  // namespace cli
