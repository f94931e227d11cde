// The real ALK sample delivery (Ostritz) exported to a GeoPackage and read back: every layer in
// EPSG:31469, every area valid, all 610 parcels built and none a fault, and the parcels tile the
// area without overlap.

#include <gtest/gtest.h>

#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <cstdlib>

#include "gis/gis_export.h"
#include "support/edbs_lines.h"
#include "support/sample_delivery.h"

using namespace testing_edbs;

namespace {

class SampleDeliveryGis : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_dir = new TempDir;
    const std::string edbs = UnpackSample(*s_dir);
    s_present = !edbs.empty();
    if (!s_present) return;
    ResetProgram();
    Load(edbs);
    s_result = gis::ExportGis({s_dir->Path("ostritz.gpkg"), 0, 0});
    GDALAllRegister();
    s_ds = GDALDataset::Open(s_dir->Path("ostritz.gpkg").c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY);
  }
  static void TearDownTestSuite() {
    if (s_ds) GDALClose(s_ds);
    s_ds = nullptr;
    delete s_dir;
    s_dir = nullptr;
  }
  void SetUp() override {
    if (!s_present) GTEST_SKIP() << "Die ALK-Musterlieferung fehlt: " << kSamplePacked;
    ASSERT_TRUE(s_result.ok) << s_result.message;
    ASSERT_TRUE(s_ds);
  }

  static TempDir* s_dir;
  static bool s_present;
  static gis::GisExportResult s_result;
  static GDALDataset* s_ds;
};

TempDir* SampleDeliveryGis::s_dir = nullptr;
bool SampleDeliveryGis::s_present = false;
gis::GisExportResult SampleDeliveryGis::s_result;
GDALDataset* SampleDeliveryGis::s_ds = nullptr;

}  // namespace

TEST_F(SampleDeliveryGis, EveryLayerIsInGaussKruegerZone5) {
  EXPECT_EQ(s_result.sourceEpsg, 31469);
  ASSERT_EQ(s_ds->GetLayerCount(), 5);
  for (const char* name : {"linien", "flaechen", "punkte", "texte"}) {
    OGRLayer* layer = s_ds->GetLayerByName(name);
    ASSERT_TRUE(layer) << name;
    const char* code = layer->GetSpatialRef() ? layer->GetSpatialRef()->GetAuthorityCode(nullptr) : nullptr;
    EXPECT_STREQ(code, "31469") << name;
  }
}

TEST_F(SampleDeliveryGis, LinesAreEveryLineRecordAndMergeIntoTheDistinctLines) {
  EXPECT_EQ(s_ds->GetLayerByName("linien")->GetFeatureCount(), 33610);
  EXPECT_EQ(s_result.stats.distinctLines, 9443u);
}

TEST_F(SampleDeliveryGis, TextsAreThePlansTextsInUtf8) {
  OGRLayer* texts = s_ds->GetLayerByName("texte");
  EXPECT_EQ(texts->GetFeatureCount(), 1225);
  texts->SetAttributeFilter("text = 'G\xC3\xB6rlitzer Stra\xC3\x9F" "e'");
  EXPECT_GT(texts->GetFeatureCount(), 0);
  texts->SetAttributeFilter(nullptr);
}

TEST_F(SampleDeliveryGis, AllParcelsAreBuiltValidAndNoneIsAFault) {
  OGRLayer* areas = s_ds->GetLayerByName("flaechen");
  int parcels = 0;
  for (auto& f : *areas) {
    EXPECT_TRUE(f->GetGeometryRef()->IsValid()) << f->GetFieldAsString("objektnummer");
    if (std::string(f->GetFieldAsString("folie")) == "001" && std::string(f->GetFieldAsString("objekttyp")) == "F") {
      ++parcels;
      EXPECT_EQ(std::string(f->GetFieldAsString("flurstueck")).substr(0, 2), "SF");
    }
  }
  EXPECT_EQ(parcels, 610);
  EXPECT_EQ(s_result.stats.parcels, 610);
  OGRLayer* faults = s_ds->GetLayerByName("fehler");
  faults->SetAttributeFilter("folie = '001'");
  EXPECT_EQ(faults->GetFeatureCount(), 0);
}

TEST_F(SampleDeliveryGis, ParcelsTileWithoutOverlap) {
  OGRLayer* areas = s_ds->GetLayerByName("flaechen");
  areas->SetAttributeFilter("folie = '001' AND objekttyp = 'F'");
  OGRMultiPolygon all;
  double sum = 0.0;
  for (auto& f : *areas) {
    for (const OGRPolygon* polygon : *f->GetGeometryRef()->toMultiPolygon()) {
      sum += polygon->get_Area();
      all.addGeometry(polygon);
    }
  }
  areas->SetAttributeFilter(nullptr);
  std::unique_ptr<OGRGeometry> merged(all.UnionCascaded());
  ASSERT_TRUE(merged);
  EXPECT_NEAR(OGR_G_Area(OGRGeometry::ToHandle(merged.get())), sum, 1.0);
}
