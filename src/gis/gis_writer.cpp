#include "gis/gis_writer.h"

#include <cpl_error.h>
#include <gdal_priv.h>
#include <ogr_featurestyle.h>
#include <ogr_geometry.h>
#include <ogr_spatialref.h>
#include <ogrsf_frmts.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>
#include <system_error>

#include "platform/cp1252_literal.h"
#include "platform/text.h"
#include "records/edbs_part.h"

namespace gis {
namespace {

namespace fs = std::filesystem;

constexpr char kDxfLayerField[] = "Layer";
constexpr char kDxfFont[] = "Arial";
// The files of one shapefile layer, removed before the layer is written anew.
constexpr const char* kShapefileParts[] = {".shp", ".shx", ".dbf", ".prj", ".cpg", ".qix", ".sbn", ".sbx"};

void RegisterDrivers() {
  static const bool registered = [] {
    GDALAllRegister();
    return true;
  }();
  (void)registered;
}

// Keeps GDAL's messages from the terminal and remembers the last failure, for the user.
class ErrorCapture {
 public:
  ErrorCapture() { CPLPushErrorHandlerEx(&ErrorCapture::Handle, this); }
  ~ErrorCapture() { CPLPopErrorHandler(); }
  ErrorCapture(const ErrorCapture&) = delete;
  ErrorCapture& operator=(const ErrorCapture&) = delete;
  const std::string& Last() const { return m_last; }

 private:
  static void CPL_STDCALL Handle(CPLErr level, CPLErrorNum, const char* message) {
    auto* self = static_cast<ErrorCapture*>(CPLGetErrorHandlerUserData());
    if (self != nullptr && level >= CE_Failure && message != nullptr) self->m_last = message;
  }
  std::string m_last;
};

std::string Lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

std::string Text(const std::string& path) { return edbs::NativePathToText(path); }

// One dataset to create and the layers that go into it.
struct Destination {
  std::string path;
  std::vector<LayerId> layers;
};

std::vector<LayerId> AllLayers() {
  std::vector<LayerId> ids;
  for (const LayerDef& def : Layers()) ids.push_back(def.id);
  return ids;
}

std::vector<Destination> Destinations(OutputFormat format, const std::string& path) {
  const fs::path p(path);
  switch (format) {
    case OutputFormat::kGeoJson: {
      std::vector<Destination> out;
      for (const LayerDef& def : Layers()) {
        const fs::path file = p.parent_path() / (p.stem().string() + "_" + std::string(def.name) + p.extension().string());
        out.push_back({file.string(), {def.id}});
      }
      return out;
    }
    case OutputFormat::kShapefile: {
      const fs::path folder = Lower(p.extension().string()) == ".shp" ? p.parent_path() / p.stem() : p;
      return {{folder.string(), AllLayers()}};
    }
    case OutputFormat::kGeoPackage:
    case OutputFormat::kDxf:
      return {{path, AllLayers()}};
  }
  return {};
}

const char* DriverName(OutputFormat format) {
  switch (format) {
    case OutputFormat::kGeoPackage: return "GPKG";
    case OutputFormat::kGeoJson: return "GeoJSON";
    case OutputFormat::kShapefile: return "ESRI Shapefile";
    case OutputFormat::kDxf: return "DXF";
  }
  return "";
}

// Removes what an earlier export left where this one writes; false with a message when a
// folder or a file stands in the way.
bool ClearDestination(OutputFormat format, const Destination& d, std::string& message) {
  std::error_code ec;
  if (format == OutputFormat::kShapefile) {
    if (fs::exists(d.path, ec) && !fs::is_directory(d.path, ec)) {
      message = CP("Der Ordner für die Shapefiles ist eine Datei: ") + Text(d.path);
      return false;
    }
    for (const LayerId id : d.layers) {
      for (const char* ext : kShapefileParts) fs::remove(fs::path(d.path) / (std::string(LayerOf(id).name) + ext), ec);
    }
    return true;
  }
  if (fs::is_directory(d.path, ec)) {
    message = "Die Ausgabe ist ein Ordner: " + Text(d.path);
    return false;
  }
  fs::remove(d.path, ec);
  return true;
}

OGRwkbGeometryType OgrType(GeometryType type) {
  switch (type) {
    case GeometryType::kPoint: return wkbPoint;
    case GeometryType::kLineString: return wkbLineString;
    case GeometryType::kMultiPolygon: return wkbMultiPolygon;
    case GeometryType::kNone: return wkbNone;
  }
  return wkbUnknown;
}

OGRFieldType OgrFieldType(FieldType type) {
  switch (type) {
    case FieldType::kInteger: return OFTInteger;
    case FieldType::kReal: return OFTReal;
    case FieldType::kText: return OFTString;
  }
  return OFTString;
}

OGRLinearRing* OgrRing(const Ring& ring) {
  auto* r = new OGRLinearRing;
  r->setNumPoints(static_cast<int>(ring.size()), FALSE);
  for (std::size_t k = 0; k < ring.size(); ++k) r->setPoint(static_cast<int>(k), ring[k].x, ring[k].y);
  return r;
}

std::unique_ptr<OGRMultiPolygon> OgrMultiPolygon(const MultiPolygon& polygons) {
  auto multi = std::make_unique<OGRMultiPolygon>();
  for (const Polygon& p : polygons) {
    auto* polygon = new OGRPolygon;
    polygon->addRingDirectly(OgrRing(p.shell));
    for (const Ring& hole : p.holes) polygon->addRingDirectly(OgrRing(hole));
    multi->addGeometryDirectly(polygon);
  }
  return multi;
}

std::unique_ptr<OGRLineString> OgrLineString(const Polyline& line) {
  auto ls = std::make_unique<OGRLineString>();
  ls->setNumPoints(static_cast<int>(line.size()), FALSE);
  for (std::size_t k = 0; k < line.size(); ++k) ls->setPoint(static_cast<int>(k), line[k].x, line[k].y);
  return ls;
}

// The OGR geometries of a feature: one, or one point per loose point.
std::vector<std::unique_ptr<OGRGeometry>> OgrGeometries(const Geometry& geometry) {
  std::vector<std::unique_ptr<OGRGeometry>> out;
  if (const auto* point = std::get_if<Point2>(&geometry)) {
    out.push_back(std::make_unique<OGRPoint>(point->x, point->y));
  } else if (const auto* line = std::get_if<Polyline>(&geometry)) {
    out.push_back(OgrLineString(*line));
  } else if (const auto* areas = std::get_if<MultiPolygon>(&geometry)) {
    out.push_back(OgrMultiPolygon(*areas));
  } else if (const auto* set = std::get_if<PointSet>(&geometry)) {
    for (const Point2& p : set->points) out.push_back(std::make_unique<OGRPoint>(p.x, p.y));
  }
  return out;
}

// Areas go into a drawing as their closed rings: a DXF polygon is a hatch, filled solid.
std::vector<std::unique_ptr<OGRGeometry>> DxfGeometries(const Geometry& geometry) {
  const auto* areas = std::get_if<MultiPolygon>(&geometry);
  if (areas == nullptr) return OgrGeometries(geometry);
  std::vector<std::unique_ptr<OGRGeometry>> rings;
  for (const Polygon& p : *areas) {
    rings.push_back(OgrLineString(p.shell));
    for (const Ring& hole : p.holes) rings.push_back(OgrLineString(hole));
  }
  return rings;
}

class Writer {
 public:
  Writer(OutputFormat format, const GisData& data, const Progress& progress)
      : m_format(format), m_data(data), m_progress(progress) {
    for (const auto& layer : data.layers) m_total += layer.size();
  }

  // Sets the reference system of the output and, when asked, the transformation into it.
  bool SetReferenceSystems(int sourceEpsg, int targetEpsg, std::string& message) {
    if (m_source.importFromEPSG(sourceEpsg) != OGRERR_NONE) {
      message = Format("Unbekanntes Bezugssystem EPSG:%d", sourceEpsg);
      return false;
    }
    m_source.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    if (targetEpsg == 0 || targetEpsg == sourceEpsg) {
      m_output = &m_source;
      return true;
    }
    if (m_target.importFromEPSG(targetEpsg) != OGRERR_NONE) {
      message = Format("Unbekanntes Bezugssystem EPSG:%d", targetEpsg);
      return false;
    }
    m_target.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    m_transform.reset(OGRCreateCoordinateTransformation(&m_source, &m_target));
    if (!m_transform) {
      message = Format("Keine Umrechnung von EPSG:%d nach EPSG:%d: ", sourceEpsg, targetEpsg) +
                edbs::Utf8ToCp1252(m_errors.Last());
      return false;
    }
    m_output = &m_target;
    return true;
  }

  bool Write(const Destination& d, std::string& message) {
    GDALDriver* driver = GetGDALDriverManager()->GetDriverByName(DriverName(m_format));
    if (driver == nullptr) {
      message = Format("GDAL kennt das Format %s nicht.", DriverName(m_format));
      return false;
    }
    GDALDataset* ds = driver->Create(d.path.c_str(), 0, 0, 0, GDT_Unknown, nullptr);
    if (ds == nullptr) return Fail(CP("Die Ausgabe kann nicht angelegt werden: ") + Text(d.path), message);
    bool ok = m_format == OutputFormat::kDxf ? WriteDxf(ds, message) : WriteLayers(ds, d.layers, message);
    GDALClose(ds);
    return ok;
  }

 private:
  bool Fail(const std::string& what, std::string& message) {
    message = what;
    if (!m_errors.Last().empty()) message += " (" + edbs::Utf8ToCp1252(m_errors.Last()) + ")";
    return false;
  }

  void Step() {
    ++m_done;
    if (m_progress && m_done % 512 == 0 && m_total > 0) m_progress(static_cast<int>(100 * m_done / m_total));
  }

  bool WriteLayers(GDALDataset* ds, const std::vector<LayerId>& layers, std::string& message) {
    for (const LayerId id : layers) {
      if (!WriteLayer(ds, LayerOf(id), m_data.Layer(id), message)) return false;
    }
    return true;
  }

  bool WriteLayer(GDALDataset* ds, const LayerDef& def, const std::vector<Feature>& features, std::string& message) {
    const bool shapefile = m_format == OutputFormat::kShapefile;
    char** options = nullptr;
    if (shapefile) options = CSLSetNameValue(options, "ENCODING", "UTF-8");
    const bool spatial = def.geometry != GeometryType::kNone;
    OGRLayer* layer = ds->CreateLayer(std::string(def.name).c_str(), spatial ? m_output : nullptr, OgrType(def.geometry),
                                      options);
    CSLDestroy(options);
    if (layer == nullptr) return Fail("Die Ebene " + std::string(def.name) + " kann nicht angelegt werden", message);
    for (const FieldId id : def.fields) {
      const FieldDef& field = FieldOf(id);
      OGRFieldDefn defn(std::string(shapefile ? field.shortName : field.name).c_str(), OgrFieldType(field.type));
      if (shapefile && field.type == FieldType::kText) defn.SetWidth(field.shapefileWidth);
      if (layer->CreateField(&defn) != OGRERR_NONE) {
        return Fail("Das Attribut " + std::string(field.name) + " kann nicht angelegt werden", message);
      }
    }
    const bool transaction = ds->StartTransaction() == OGRERR_NONE;
    bool ok = true;
    for (const Feature& feature : features) {
      if (!WriteFeature(layer, def, feature)) {
        ok = Fail("Die Ebene " + std::string(def.name) + " kann nicht geschrieben werden", message);
        break;
      }
    }
    if (transaction && ds->CommitTransaction() != OGRERR_NONE && ok) {
      ok = Fail("Die Ebene " + std::string(def.name) + " kann nicht geschrieben werden", message);
    }
    return ok;
  }

  bool WriteFeature(OGRLayer* layer, const LayerDef& def, const Feature& feature) {
    std::unique_ptr<OGRFeature> f(OGRFeature::CreateFeature(layer->GetLayerDefn()));
    for (std::size_t k = 0; k < def.fields.size(); ++k) {
      if (const FieldData* value = feature.Find(def.fields[k])) SetField(*f, static_cast<int>(k), *value);
    }
    if (def.geometry != GeometryType::kNone) {
      auto geometries = OgrGeometries(feature.geometry);
      if (!geometries.empty()) {
        if (m_transform && geometries.front()->transform(m_transform.get()) != OGRERR_NONE) return false;
        f->SetGeometryDirectly(geometries.front().release());
      }
    }
    Step();
    return layer->CreateFeature(f.get()) == OGRERR_NONE;
  }

  static void SetField(OGRFeature& f, int index, const FieldData& value) {
    if (const auto* text = std::get_if<std::string>(&value)) {
      f.SetField(index, edbs::Cp1252ToUtf8(*text).c_str());
    } else if (const auto* number = std::get_if<long long>(&value)) {
      f.SetField(index, static_cast<GIntBig>(*number));
    } else if (const auto* real = std::get_if<double>(&value)) {
      f.SetField(index, *real);
    }
  }

  // A drawing has one table of entities; the export's layers become its DXF layers, texts become
  // TEXT entities and the open ends of faults points on the layer of the faults.
  bool WriteDxf(GDALDataset* ds, std::string& message) {
    OGRLayer* layer = ds->CreateLayer("entities", nullptr, wkbUnknown, nullptr);
    if (layer == nullptr) return Fail("Die Zeichnung kann nicht angelegt werden", message);
    for (const LayerDef& def : Layers()) {
      for (const Feature& feature : m_data.Layer(def.id)) {
        for (auto& geometry : DxfGeometries(feature.geometry)) {
          if (m_transform && geometry->transform(m_transform.get()) != OGRERR_NONE) {
            return Fail("Die Umrechnung der Koordinaten schlug fehl", message);
          }
          std::unique_ptr<OGRFeature> f(OGRFeature::CreateFeature(layer->GetLayerDefn()));
          f->SetField(kDxfLayerField, std::string(def.name).c_str());
          if (def.id == LayerId::kTexte) SetLabelStyle(*f, feature);
          f->SetGeometryDirectly(geometry.release());
          if (layer->CreateFeature(f.get()) != OGRERR_NONE) {
            return Fail("Die Ebene " + std::string(def.name) + " kann nicht geschrieben werden", message);
          }
        }
        Step();
      }
    }
    return true;
  }

  static void SetLabelStyle(OGRFeature& f, const Feature& feature) {
    OGRStyleLabel label;
    label.SetUnit(OGRSTUGround);
    label.SetFontName(kDxfFont);
    if (const auto* text = feature.Find(FieldId::kText)) {
      label.SetTextString(edbs::Cp1252ToUtf8(std::get<std::string>(*text)).c_str());
    }
    if (const auto* angle = feature.Find(FieldId::kWinkel)) label.SetAngle(std::get<double>(*angle));
    if (const auto* height = feature.Find(FieldId::kHoehe)) label.SetSize(std::get<double>(*height));
    f.SetStyleString(label.GetStyleString());
  }

  const OutputFormat m_format;
  const GisData& m_data;
  const Progress& m_progress;
  ErrorCapture m_errors;
  OGRSpatialReference m_source;
  OGRSpatialReference m_target;
  OGRSpatialReference* m_output = nullptr;
  std::unique_ptr<OGRCoordinateTransformation> m_transform;
  std::size_t m_total = 0;
  std::size_t m_done = 0;
};

}  // namespace

std::optional<OutputFormat> FormatOfPath(std::string_view path) {
  std::error_code ec;
  const fs::path p{std::string(path)};
  if (fs::is_directory(p, ec)) return OutputFormat::kShapefile;
  const std::string ext = Lower(p.extension().string());
  if (ext == ".gpkg") return OutputFormat::kGeoPackage;
  if (ext == ".geojson" || ext == ".json") return OutputFormat::kGeoJson;
  if (ext == ".dxf") return OutputFormat::kDxf;
  if (ext == ".shp" || ext.empty()) return OutputFormat::kShapefile;
  return std::nullopt;
}

std::vector<std::string> FilesToReplace(std::string_view path) {
  std::vector<std::string> existing;
  const auto format = FormatOfPath(path);
  if (!format) return existing;
  std::error_code ec;
  for (const Destination& d : Destinations(*format, std::string(path))) {
    if (*format != OutputFormat::kShapefile) {
      if (fs::is_regular_file(d.path, ec)) existing.push_back(d.path);
      continue;
    }
    for (const LayerId id : d.layers) {
      const bool spatial = LayerOf(id).geometry != GeometryType::kNone;
      const fs::path file = fs::path(d.path) / (std::string(LayerOf(id).name) + (spatial ? ".shp" : ".dbf"));
      if (fs::exists(file, ec)) existing.push_back(file.string());
    }
  }
  return existing;
}

std::string_view FormatName(OutputFormat format) {
  switch (format) {
    case OutputFormat::kGeoPackage: return "GeoPackage";
    case OutputFormat::kGeoJson: return "GeoJSON";
    case OutputFormat::kShapefile: return "ESRI Shapefile";
    case OutputFormat::kDxf: return "DXF";
  }
  return {};
}

WriteResult WriteGisData(const GisData& data, const WriteRequest& request, const Progress& progress) {
  RegisterDrivers();
  WriteResult result;
  const auto format = FormatOfPath(request.path);
  if (!format) {
    result.message = "Unbekanntes Ausgabeformat: " + Text(request.path) +
                     " (.gpkg, .geojson, .shp oder ein Ordner, .dxf)";
    return result;
  }
  Writer writer(*format, data, progress);
  if (!writer.SetReferenceSystems(request.sourceEpsg, request.targetEpsg, result.message)) return result;
  for (const Destination& d : Destinations(*format, request.path)) {
    if (!ClearDestination(*format, d, result.message) || !writer.Write(d, result.message)) return result;
    result.files.push_back(d.path);
  }
  if (progress) progress(100);
  result.ok = true;
  return result;
}

bool IsValidArea(const MultiPolygon& polygons) {
  if (!OGRGeometryFactory::haveGEOS()) return true;
  ErrorCapture quiet;
  return OgrMultiPolygon(polygons)->IsValid() != FALSE;
}

std::string ReferenceSystemName(int epsg) {
  ErrorCapture quiet;
  OGRSpatialReference srs;
  if (epsg <= 0 || srs.importFromEPSG(epsg) != OGRERR_NONE) return {};
  const char* name = srs.GetName();
  return name != nullptr ? edbs::Utf8ToCp1252(name) : std::string();
}

}  // namespace gis
