#pragma once
// The GIS export of the records in the store (the filter set when one exists): reads lines,
// objects and points, assembles the areas and writes the layers linien, flaechen, punkte, texte
// and fehler through GDAL. Used by the desktop program and the batch tool alike.

#include <array>
#include <string>
#include <vector>

#include "gis/gis_features.h"
#include "gis/gis_schema.h"

namespace gis {

struct GisExportRequest {
  std::string path;    // in the file system's form; the extension names the format
  int sourceEpsg = 0;  // 0: the Gauss-Krueger zone of the first coordinate
  int targetEpsg = 0;  // 0: no transformation
};

struct GisExportResult {
  bool ok = false;
  std::string message;  // core text: what went wrong, or nothing
  int sourceEpsg = 0;
  int targetEpsg = 0;
  std::array<std::size_t, kLayerCount> counts{};  // features per layer
  AssemblyStats stats;
  std::vector<std::string> files;  // written datasets
};

// The EPSG code suggested for the data: the Gauss-Krueger zone of the first coordinate of the
// exported records; 0 when it names none.
int SuggestedEpsg();

GisExportResult ExportGis(const GisExportRequest& request, const Progress& progress = {});

// Core text: where the export went and the count of every layer, one line per layer.
std::string ExportSummary(const GisExportResult& result);

}  // namespace gis
