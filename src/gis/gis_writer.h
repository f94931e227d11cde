#pragma once
// Writes the export's layers through GDAL/OGR: GeoPackage, GeoJSON (one file per layer, since a
// GeoJSON file holds one layer), ESRI Shapefile (a folder with one shapefile per layer) or DXF
// (one drawing, the layers as DXF layers). Paths are in the file system's form; messages are
// core text.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gis/gis_features.h"

namespace gis {

enum class OutputFormat { kGeoPackage, kGeoJson, kShapefile, kDxf };

// The format named by the output's extension: .gpkg, .geojson or .json, .dxf; .shp, an existing
// folder or no extension at all stand for a Shapefile folder. Nothing for any other extension.
std::optional<OutputFormat> FormatOfPath(std::string_view path);
std::string_view FormatName(OutputFormat format);

// The files an export to `path` writes that exist already and would be replaced (for shapefiles
// the .shp or, for the layer without geometry, the .dbf of each layer).
std::vector<std::string> FilesToReplace(std::string_view path);

struct WriteRequest {
  std::string path;
  int sourceEpsg = 0;  // the reference system of the coordinates
  int targetEpsg = 0;  // 0: no transformation
};

struct WriteResult {
  bool ok = false;
  std::string message;             // what went wrong, when not ok
  std::vector<std::string> files;  // what was written
};

WriteResult WriteGisData(const GisData& data, const WriteRequest& request, const Progress& progress = {});

// Whether GEOS judges the area valid; true when GDAL was built without GEOS.
bool IsValidArea(const MultiPolygon& polygons);

// The name of an EPSG reference system ("DHDN / 3-degree Gauss-Kruger zone 5"); empty when PROJ
// does not know the code.
std::string ReferenceSystemName(int epsg);

}  // namespace gis
