#pragma once
// "GIS-Export ...": asks for the output (formats as filters, GeoPackage first) and the reference
// system, writes the layers with a progress dialog and reports the count of every layer.

class QWidget;

namespace satzlupe {

// The filter of the save dialog.
inline constexpr const char* kGisExportFilter =
    "GeoPackage (*.gpkg)|*.gpkg|GeoJSON (*.geojson)|*.geojson|ESRI Shapefile (*.shp)|*.shp|DXF (*.dxf)|*.dxf||";

void RunGisExport(QWidget* parent);

}  // namespace satzlupe
