// The written layers read back through OGR: every format, the reference system, valid polygons,
// text in UTF-8, the conversion into another system, and the messages when writing cannot work.

#include <gtest/gtest.h>

#include <gdal_priv.h>
#include <ogr_spatialref.h>
#include <ogrsf_frmts.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>

#include "gis/gis_export.h"
#include "gis/gis_writer.h"
#include "platform/cp1252_literal.h"
#include "platform/text.h"
#include "support/edbs_lines.h"

using namespace testing_edbs;

namespace {

std::string GisFile(const std::string& name) { return std::string(SATZLUPE_TEST_DATA) + "/gis/" + name + ".edbs"; }

struct DatasetCloser {
  void operator()(GDALDataset* ds) const { GDALClose(ds); }
};
using Dataset = std::unique_ptr<GDALDataset, DatasetCloser>;

Dataset Open(const std::string& path) {
  GDALAllRegister();
  return Dataset(GDALDataset::Open(path.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY));
}

int EpsgOf(OGRLayer* layer) {
  const OGRSpatialReference* srs = layer->GetSpatialRef();
  const char* code = srs ? srs->GetAuthorityCode(nullptr) : nullptr;
  return code ? std::atoi(code) : 0;
}

std::vector<std::string> FieldNames(OGRLayer* layer) {
  std::vector<std::string> names;
  OGRFeatureDefn* defn = layer->GetLayerDefn();
  for (int k = 0; k < defn->GetFieldCount(); ++k) names.push_back(defn->GetFieldDefn(k)->GetNameRef());
  return names;
}

class GisWriter : public ::testing::Test {
 protected:
  void SetUp() override { ResetProgram(); }

  gis::GisExportResult Export(const std::string& file, const std::string& output, int source = 0, int target = 0) {
    Load(file);
    return gis::ExportGis({m_dir.Path(output), source, target});
  }

  TempDir m_dir;
};

}  // namespace

TEST_F(GisWriter, GeoPackageHoldsTheFiveLayersInTheZoneOfTheData) {
  const auto result = Export(GisFile("hole"), "hole.gpkg");
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(result.sourceEpsg, 31469);
  Dataset ds = Open(m_dir.Path("hole.gpkg"));
  ASSERT_TRUE(ds);
  ASSERT_EQ(ds->GetLayerCount(), 5);
  const char* names[] = {"linien", "flaechen", "punkte", "texte", "fehler"};
  const GIntBig counts[] = {13, 2, 0, 2, 0};
  for (int k = 0; k < 5; ++k) {
    OGRLayer* layer = ds->GetLayerByName(names[k]);
    ASSERT_TRUE(layer) << names[k];
    EXPECT_EQ(layer->GetFeatureCount(), counts[k]) << names[k];
    if (k < 4) {
      EXPECT_EQ(EpsgOf(layer), 31469) << names[k];
    }
  }
  EXPECT_EQ(ds->GetLayerByName("fehler")->GetGeomType(), wkbNone);
  auto text = std::unique_ptr<OGRFeature>(ds->GetLayerByName("texte")->GetNextFeature());
  ASSERT_TRUE(text);
  EXPECT_STREQ(text->GetFieldAsString("text"), "13");
  EXPECT_EQ(text->GetFieldAsDouble("winkel"), 0.0);
  EXPECT_EQ(text->GetFieldAsDouble("hoehe"), 5.0);
  EXPECT_STREQ(text->GetFieldAsString("objektnummer"), "A000002");
  EXPECT_EQ(FieldNames(ds->GetLayerByName("linien")),
            (std::vector<std::string>{"folie", "objektart", "objektnummer_rechts", "objektnummer_links", "zeile", "datei"}));
  EXPECT_EQ(FieldNames(ds->GetLayerByName("flaechen")),
            (std::vector<std::string>{"folie", "objektart", "objekttyp", "objektnummer", "aktualitaet", "entstehung",
                                      "flurstueck", "zeile", "datei"}));
}

TEST_F(GisWriter, EveryWrittenAreaIsValidWithItsHoles) {
  for (const char* name : {"square", "hole", "touching", "records", "shared", "arc", "points"}) {
    ResetProgram();
    const auto result = Export(GisFile(name), std::string(name) + ".gpkg");
    ASSERT_TRUE(result.ok) << name << ": " << result.message;
    Dataset ds = Open(m_dir.Path(std::string(name) + ".gpkg"));
    OGRLayer* areas = ds->GetLayerByName("flaechen");
    ASSERT_GT(areas->GetFeatureCount(), 0) << name;
    for (auto& f : *areas) {
      EXPECT_TRUE(f->GetGeometryRef()->IsValid()) << name << " " << f->GetFieldAsString("objektnummer");
    }
  }
  Dataset touching = Open(m_dir.Path("touching.gpkg"));
  OGRLayer* areas = touching->GetLayerByName("flaechen");
  areas->SetAttributeFilter("objektnummer = 'A000004'");
  auto parcel = std::unique_ptr<OGRFeature>(areas->GetNextFeature());
  ASSERT_TRUE(parcel);
  const auto* multi = parcel->GetGeometryRef()->toMultiPolygon();
  ASSERT_EQ(multi->getNumGeometries(), 1);
  EXPECT_EQ(multi->getGeometryRef(0)->getNumInteriorRings(), 1);
}

TEST_F(GisWriter, TextIsWrittenInUtf8) {
  TempDir source;
  std::string bytes;
  {
    std::ifstream in(GisFile("square"), std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), {});
  }
  const std::string path = source.Write(edbs::Cp1252ToUtf8(CP("Grünau.edbs")), bytes);
  const auto result = Export(path, "text.gpkg");
  ASSERT_TRUE(result.ok) << result.message;
  Dataset ds = Open(m_dir.Path("text.gpkg"));
  auto f = std::unique_ptr<OGRFeature>(ds->GetLayerByName("flaechen")->GetNextFeature());
  ASSERT_TRUE(f);
  EXPECT_EQ(std::string(f->GetFieldAsString("datei")), path);
  EXPECT_EQ(std::string(f->GetFieldAsString("flurstueck")), "FS14409300100012003000");
  EXPECT_EQ(f->GetFieldAsInteger("zeile"), 6);
}

TEST_F(GisWriter, GeoJsonWritesOneFilePerLayer) {
  const auto result = Export(GisFile("open"), "open.geojson");
  ASSERT_TRUE(result.ok) << result.message;
  ASSERT_EQ(result.files.size(), 5u);
  EXPECT_EQ(result.files[0], m_dir.Path("open_linien.geojson"));
  Dataset faults = Open(m_dir.Path("open_fehler.geojson"));
  ASSERT_TRUE(faults);
  auto f = std::unique_ptr<OGRFeature>(faults->GetLayer(0)->GetNextFeature());
  ASSERT_TRUE(f);
  EXPECT_STREQ(f->GetFieldAsString("offene_enden"), "5491000.000 5654000.000, 5491000.000 5654020.000");
  EXPECT_EQ(f->GetGeometryRef(), nullptr);
  Dataset lines = Open(m_dir.Path("open_linien.geojson"));
  EXPECT_EQ(lines->GetLayer(0)->GetFeatureCount(), 3);
  EXPECT_EQ(EpsgOf(lines->GetLayer(0)), 31469);
}

TEST_F(GisWriter, ShapefilesGoIntoAFolderWithShortFieldNames) {
  const auto result = Export(GisFile("shared"), "shapes.shp");
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(result.files, std::vector<std::string>{m_dir.Path("shapes")});
  Dataset ds = Open(m_dir.Path("shapes"));
  ASSERT_TRUE(ds);
  EXPECT_EQ(ds->GetLayerCount(), 5);
  OGRLayer* lines = ds->GetLayerByName("linien");
  ASSERT_TRUE(lines);
  EXPECT_EQ(FieldNames(lines), (std::vector<std::string>{"folie", "objektart", "objnr_re", "objnr_li", "zeile", "datei"}));
  EXPECT_EQ(EpsgOf(ds->GetLayerByName("flaechen")), 31469);
  EXPECT_EQ(ds->GetLayerByName("flaechen")->GetFeatureCount(), 2);
  // Written again into the same folder: the layers are replaced, not added to.
  ResetProgram();
  ASSERT_TRUE(Export(GisFile("shared"), "shapes").ok);
  EXPECT_EQ(Open(m_dir.Path("shapes"))->GetLayerByName("flaechen")->GetFeatureCount(), 2);
}

TEST_F(GisWriter, DxfCarriesTheLayersAsDrawingLayers) {
  const auto result = Export(GisFile("open"), "open.dxf");
  ASSERT_TRUE(result.ok) << result.message;
  Dataset ds = Open(m_dir.Path("open.dxf"));
  ASSERT_TRUE(ds);
  std::map<std::string, int> perLayer;
  for (auto& f : *ds->GetLayer(0)) ++perLayer[f->GetFieldAsString("Layer")];
  // The open ends of the fault are points on the fault layer; the parcel number a text.
  EXPECT_EQ(perLayer, (std::map<std::string, int>{{"linien", 3}, {"texte", 1}, {"fehler", 2}}));
  OGRLayer* entities = ds->GetLayer(0);
  entities->SetAttributeFilter("Layer = 'texte'");
  auto text = std::unique_ptr<OGRFeature>(entities->GetNextFeature());
  ASSERT_TRUE(text);
  EXPECT_STREQ(text->GetFieldAsString("Text"), "21");
  EXPECT_NE(std::string(text->GetStyleString()).find("LABEL("), std::string::npos) << text->GetStyleString();
}

TEST_F(GisWriter, DxfDrawsAreasAsTheirRingsNotAsFilledHatches) {
  ASSERT_TRUE(Export(GisFile("hole"), "hole.dxf").ok);
  Dataset ds = Open(m_dir.Path("hole.dxf"));
  OGRLayer* entities = ds->GetLayer(0);
  entities->SetAttributeFilter("Layer = 'flaechen'");
  int rings = 0;
  for (auto& f : *entities) {
    EXPECT_EQ(wkbFlatten(f->GetGeometryRef()->getGeometryType()), wkbLineString);
    EXPECT_TRUE(f->GetGeometryRef()->toLineString()->get_IsClosed());
    ++rings;
  }
  EXPECT_EQ(rings, 3);  // the outer ring and the hole of one parcel, the parcel inside
}

TEST_F(GisWriter, ConversionWritesTheTargetSystem) {
  const auto result = Export(GisFile("square"), "utm.gpkg", 0, 25833);
  ASSERT_TRUE(result.ok) << result.message;
  Dataset ds = Open(m_dir.Path("utm.gpkg"));
  OGRLayer* areas = ds->GetLayerByName("flaechen");
  EXPECT_EQ(EpsgOf(areas), 25833);
  OGREnvelope extent;
  ASSERT_EQ(areas->GetExtent(&extent), OGRERR_NONE);
  // The corner as PROJ converts it, east first: a writer that swapped the axes or only renamed the
  // system would land elsewhere. UTM shrinks lengths by 0.9996.
  OGRSpatialReference gk, utm;
  gk.importFromEPSG(31469);
  utm.importFromEPSG(25833);
  gk.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
  utm.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
  std::unique_ptr<OGRCoordinateTransformation> ct(OGRCreateCoordinateTransformation(&gk, &utm));
  double x = 5491000.0, y = 5654000.0;
  ASSERT_TRUE(ct && ct->Transform(1, &x, &y));
  EXPECT_NEAR(extent.MinX, x, 0.001);
  EXPECT_NEAR(extent.MinY, y, 0.001);
  EXPECT_NEAR(x, 491000.0, 300.0);
  EXPECT_NEAR(extent.MaxX - extent.MinX, 20.0 * 0.9996, 0.01);
}

TEST_F(GisWriter, ChosenSystemOverridesTheZone) {
  const auto result = Export(GisFile("square"), "zone4.gpkg", 31468);
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(EpsgOf(Open(m_dir.Path("zone4.gpkg"))->GetLayerByName("linien")), 31468);
}

TEST_F(GisWriter, FilesAnExportWouldReplace) {
  EXPECT_TRUE(gis::FilesToReplace(m_dir.Path("a.gpkg")).empty());
  ASSERT_TRUE(Export(GisFile("square"), "a.gpkg").ok);
  EXPECT_EQ(gis::FilesToReplace(m_dir.Path("a.gpkg")), std::vector<std::string>{m_dir.Path("a.gpkg")});
  ASSERT_TRUE(Export(GisFile("square"), "b.geojson").ok);
  EXPECT_EQ(gis::FilesToReplace(m_dir.Path("b.geojson")).size(), 5u);
  ASSERT_TRUE(Export(GisFile("square"), "c.shp").ok);
  EXPECT_EQ(gis::FilesToReplace(m_dir.Path("c.shp")),
            (std::vector<std::string>{m_dir.Path("c/linien.shp"), m_dir.Path("c/flaechen.shp"), m_dir.Path("c/punkte.shp"),
                                      m_dir.Path("c/texte.shp"), m_dir.Path("c/fehler.dbf")}));
  EXPECT_TRUE(gis::FilesToReplace(m_dir.Path("a.kml")).empty());
}

TEST_F(GisWriter, ExistingGeoPackageIsReplaced) {
  ASSERT_TRUE(Export(GisFile("square"), "again.gpkg").ok);
  ResetProgram();
  ASSERT_TRUE(Export(GisFile("square"), "again.gpkg").ok);
  EXPECT_EQ(Open(m_dir.Path("again.gpkg"))->GetLayerByName("linien")->GetFeatureCount(), 4);
}

TEST_F(GisWriter, UnwritableOrUnknownOutputsGiveAMessageAndWriteNothing) {
  auto result = Export(GisFile("square"), "ausgabe.txt");
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message, "Unbekanntes Ausgabeformat: " + m_dir.Path("ausgabe.txt") +
                                " (.gpkg, .geojson, .shp oder ein Ordner, .dxf)");
  result = gis::ExportGis({m_dir.Path("fehlt/ausgabe.gpkg"), 0, 0});
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message.rfind(CP("Die Ausgabe kann nicht angelegt werden: ") + m_dir.Path("fehlt/ausgabe.gpkg"), 0),
            0u)
      << result.message;
  result = gis::ExportGis({m_dir.Path("x.gpkg"), 99999, 0});
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message, "Unbekanntes Bezugssystem EPSG:99999");
  EXPECT_FALSE(std::filesystem::exists(m_dir.Path("x.gpkg")));
}

TEST_F(GisWriter, DataWithoutGaussKruegerCoordinatesAskForTheSystem) {
  const auto result = gis::ExportGis({m_dir.Path("leer.gpkg"), 0, 0});
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message, CP("Das Bezugssystem ist aus den Koordinaten nicht zu erkennen (kein Gauß-Krüger-Rechtswert); "
                               "bitte einen EPSG-Code angeben."));
  EXPECT_FALSE(std::filesystem::exists(m_dir.Path("leer.gpkg")));
}

TEST_F(GisWriter, ProgressRunsFromTheStartToTheEndWithoutGoingBack) {
  Load(GisFile("touching"));
  std::vector<int> seen;
  ASSERT_TRUE(gis::ExportGis({m_dir.Path("p.gpkg"), 0, 0}, [&seen](int percent) { seen.push_back(percent); }).ok);
  ASSERT_GE(seen.size(), 3u);
  EXPECT_EQ(seen.front(), 0);
  EXPECT_EQ(seen.back(), 100);
  EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
}

TEST_F(GisWriter, FormatsByExtension) {
  EXPECT_EQ(gis::FormatOfPath("a.gpkg"), gis::OutputFormat::kGeoPackage);
  EXPECT_EQ(gis::FormatOfPath("a.GPKG"), gis::OutputFormat::kGeoPackage);
  EXPECT_EQ(gis::FormatOfPath("a.geojson"), gis::OutputFormat::kGeoJson);
  EXPECT_EQ(gis::FormatOfPath("a.json"), gis::OutputFormat::kGeoJson);
  EXPECT_EQ(gis::FormatOfPath("a.shp"), gis::OutputFormat::kShapefile);
  EXPECT_EQ(gis::FormatOfPath("ordner"), gis::OutputFormat::kShapefile);
  EXPECT_EQ(gis::FormatOfPath(m_dir.Path("")), gis::OutputFormat::kShapefile);
  EXPECT_EQ(gis::FormatOfPath("a.dxf"), gis::OutputFormat::kDxf);
  EXPECT_FALSE(gis::FormatOfPath("a.kml"));
}

TEST_F(GisWriter, ReferenceSystemNamesComeFromProj) {
  EXPECT_EQ(gis::ReferenceSystemName(31469), "DHDN / 3-degree Gauss-Kruger zone 5");
  EXPECT_EQ(gis::ReferenceSystemName(25833), "ETRS89 / UTM zone 33N");
  EXPECT_EQ(gis::ReferenceSystemName(99999), "");
  EXPECT_EQ(gis::ReferenceSystemName(0), "");
}
