#include "gis/gis_export.h"

#include "gis/edbs_source.h"
#include "gis/gis_writer.h"
#include "gis/reference_system.h"
#include "platform/cp1252_literal.h"
#include "platform/text.h"
#include "records/edbs_part.h"

namespace gis {
namespace {

// Shares of the progress bar: reading the store, assembling, writing.
constexpr int kReadShare = 10;
constexpr int kAssembleShare = 30;

Progress Scaled(const Progress& progress, int from, int share) {
  if (!progress) return {};
  return [progress, from, share](int percent) { progress(from + share * percent / 100); };
}

}  // namespace

int SuggestedEpsg() {
  const auto first = FirstPoint();
  return first ? GaussKruegerEpsg(first->x) : 0;
}

GisExportResult ExportGis(const GisExportRequest& request, const Progress& progress) {
  GisExportResult result;
  result.sourceEpsg = request.sourceEpsg != 0 ? request.sourceEpsg : SuggestedEpsg();
  result.targetEpsg = request.targetEpsg;
  if (result.sourceEpsg == 0) {
    result.message = CP("Das Bezugssystem ist aus den Koordinaten nicht zu erkennen (kein Gauß-Krüger-Rechtswert); "
                        "bitte einen EPSG-Code angeben.");
    return result;
  }
  // What was read is let go before the writing starts.
  const GisData data = [&progress] {
    const SourceData source = ReadStore(Scaled(progress, 0, kReadShare));
    return BuildFeatures(source, IsValidArea, Scaled(progress, kReadShare, kAssembleShare));
  }();
  const WriteResult written = WriteGisData(data, {request.path, result.sourceEpsg, result.targetEpsg},
                                           Scaled(progress, kReadShare + kAssembleShare, 100 - kReadShare - kAssembleShare));
  for (std::size_t k = 0; k < data.layers.size(); ++k) result.counts[k] = data.layers[k].size();
  result.stats = data.stats;
  result.files = written.files;
  result.ok = written.ok;
  result.message = written.message;
  return result;
}

std::string ExportSummary(const GisExportResult& result) {
  std::string text;
  for (const std::string& file : result.files) text += "GIS-Export: " + edbs::NativePathToText(file) + "\n";
  text += Format("Bezugssystem: EPSG:%d", result.sourceEpsg);
  if (result.targetEpsg != 0 && result.targetEpsg != result.sourceEpsg) {
    text += Format(", umgerechnet in EPSG:%d", result.targetEpsg);
  }
  text += "\n";
  for (const LayerDef& def : Layers()) {
    text += Format("%-9s %8zu", std::string(def.name).c_str(), result.counts[static_cast<std::size_t>(def.id)]);
    if (def.id == LayerId::kFlaechen) {
      text += Format(CP(" (%d Flurstücke, %d andere Flächen)"), result.stats.parcels, result.stats.otherAreas);
    }
    text += "\n";
  }
  text += Format(CP("verschiedene Linien: %zu, davon %zu innerhalb einer Fläche\n"),
                 result.stats.distinctLines, result.stats.innerLines);
  return text;
}

}  // namespace gis
