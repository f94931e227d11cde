// The features of the small GIS files: what is read from the records, the areas built from their
// lines, the faults, points and their values, pinned by golden dumps.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>

#include "gis/edbs_source.h"
#include "gis/gis_features.h"
#include "gis/line_geometry.h"
#include "gis_dump.h"
#include "records/filter_criteria.h"
#include "records/filter_values.h"
#include "support/edbs_lines.h"
#include "support/golden.h"

using namespace testing_edbs;

namespace {

std::string GisFile(const std::string& name) { return std::string(SATZLUPE_TEST_DATA) + "/gis/" + name + ".edbs"; }

gis::GisData Features(const std::string& name) {
  ResetProgram();
  Load(GisFile(name));
  return gis::BuildFeatures(gis::ReadStore());
}

std::string Text(const gis::Feature& f, gis::FieldId id) {
  const auto* v = f.Find(id);
  return v ? std::get<std::string>(*v) : "<none>";
}

const gis::MultiPolygon& Areas(const gis::Feature& f) { return std::get<gis::MultiPolygon>(f.geometry); }

class GisFeatures : public ::testing::TestWithParam<const char*> {};

}  // namespace

// Every file's layers as a whole: square, hole, touching, records, shared, open, arc, points.
TEST_P(GisFeatures, MatchTheirGoldenDump) {
  const std::string name = GetParam();
  testing_edbs::ExpectGolden("gis/" + name + ".txt", testing_gis::Dump(Features(name)));
}

INSTANTIATE_TEST_SUITE_P(SmallFiles, GisFeatures,
                         ::testing::Values("square", "hole", "touching", "records", "shared", "open", "arc", "points"));

TEST(GisFeatureValues, SquareParcelFromFourLinesWithItsKey) {
  const gis::GisData data = Features("square");
  ASSERT_EQ(data.Layer(gis::LayerId::kLinien).size(), 4u);
  ASSERT_EQ(data.Layer(gis::LayerId::kFlaechen).size(), 1u);
  const gis::Feature& parcel = data.Layer(gis::LayerId::kFlaechen)[0];
  EXPECT_EQ(Text(parcel, gis::FieldId::kObjektnummer), "A000001");
  EXPECT_EQ(Text(parcel, gis::FieldId::kFlurstueck), "FS14409300100012003000");
  EXPECT_EQ(Text(parcel, gis::FieldId::kObjekttyp), "F");
  EXPECT_DOUBLE_EQ(gis::Area(Areas(parcel)), 400.0);
  EXPECT_EQ(data.stats.parcels, 1);
  EXPECT_TRUE(data.Layer(gis::LayerId::kFehler).empty());
}

TEST(GisFeatureValues, ParcelWithAHoleAndTheParcelInside) {
  const gis::GisData data = Features("hole");
  const auto& areas = data.Layer(gis::LayerId::kFlaechen);
  ASSERT_EQ(areas.size(), 2u);
  ASSERT_EQ(Areas(areas[0]).size(), 1u);
  EXPECT_EQ(Areas(areas[0])[0].holes.size(), 1u);
  EXPECT_DOUBLE_EQ(gis::Area(Areas(areas[0])), 800.0);
  EXPECT_DOUBLE_EQ(gis::Area(Areas(areas[1])), 100.0);
  EXPECT_EQ(data.stats.innerLines, 1u);
}

TEST(GisFeatureValues, LinesInSeveralRecordsAndAnObjectReadTwiceMakeOneParcel) {
  const gis::GisData data = Features("records");
  ASSERT_EQ(data.Layer(gis::LayerId::kFlaechen).size(), 1u);
  EXPECT_DOUBLE_EQ(gis::Area(Areas(data.Layer(gis::LayerId::kFlaechen)[0])), 400.0);
}

TEST(GisFeatureValues, TwoParcelsShareOneLineNamingOneRightAndOneLeft) {
  const gis::GisData data = Features("shared");
  const auto& areas = data.Layer(gis::LayerId::kFlaechen);
  ASSERT_EQ(areas.size(), 2u);
  EXPECT_DOUBLE_EQ(gis::Area(Areas(areas[0])) + gis::Area(Areas(areas[1])), 200.0);
  EXPECT_EQ(data.stats.distinctLines, 7u);
}

TEST(GisFeatureValues, UnclosedParcelIsAFaultWithItsOpenEnds) {
  const gis::GisData data = Features("open");
  EXPECT_TRUE(data.Layer(gis::LayerId::kFlaechen).empty());
  ASSERT_EQ(data.Layer(gis::LayerId::kFehler).size(), 1u);
  const gis::Feature& fault = data.Layer(gis::LayerId::kFehler)[0];
  EXPECT_EQ(Text(fault, gis::FieldId::kObjektnummer), "A000010");
  EXPECT_EQ(Text(fault, gis::FieldId::kMeldung), gis::OpenRingsMessage());
  EXPECT_EQ(Text(fault, gis::FieldId::kOffeneEnden), "5491000.000 5654000.000, 5491000.000 5654020.000");
  EXPECT_EQ(std::get<gis::PointSet>(fault.geometry).points.size(), 2u);
}

TEST(GisFeatureValues, ParcelsSharingAnArcTileTheRectangle) {
  const gis::GisData data = Features("arc");
  const auto& areas = data.Layer(gis::LayerId::kFlaechen);
  ASSERT_EQ(areas.size(), 2u);
  // The segment of a circle of radius 25 over a chord of 40, less what the chords cut off.
  const double theta = 2 * std::atan2(20.0, 15.0);
  const double segment = 25.0 * 25.0 / 2 * (theta - std::sin(theta));
  const double arcLength = 25.0 * theta;
  const double segmentBuilt = gis::Area(Areas(areas[0]));
  EXPECT_LT(segmentBuilt, segment);
  EXPECT_GT(segmentBuilt, segment - 2.0 / 3.0 * gis::kArcTolerance * arcLength);
  EXPECT_NEAR(segmentBuilt + gis::Area(Areas(areas[1])), 800.0, 1e-6);
}

TEST(GisFeatureValues, PointRecordInMillimetresAndPointObjectAtItsStartPoint) {
  const gis::GisData data = Features("points");
  const auto& points = data.Layer(gis::LayerId::kPunkte);
  ASSERT_EQ(points.size(), 2u);
  EXPECT_EQ(Text(points[0], gis::FieldId::kObjektnummer), "A000013");
  EXPECT_EQ(std::get<gis::Point2>(points[0].geometry), (gis::Point2{5491003.0, 5654004.0}));
  EXPECT_EQ(Text(points[1], gis::FieldId::kPunktnummer), "54569154100012");
  EXPECT_EQ(Text(points[1], gis::FieldId::kPunktart), "1");
  EXPECT_EQ(Text(points[1], gis::FieldId::kPunktstatus), "1");
  EXPECT_EQ(std::get<gis::Point2>(points[1].geometry), (gis::Point2{5491005.0, 5654007.5}));
  // A building is an area too, but no parcel: it has no parcel key.
  ASSERT_EQ(data.Layer(gis::LayerId::kFlaechen).size(), 1u);
  EXPECT_EQ(Text(data.Layer(gis::LayerId::kFlaechen)[0], gis::FieldId::kFlurstueck), "<none>");
  EXPECT_EQ(data.stats.otherAreas, 1);
}

TEST(GisFeatureValues, FilterSetLimitsLinesAndObjectsButNotTheLinesOfAnArea) {
  ResetProgram();
  Load(GisFile("shared"));
  g_filterArgCount = 1;
  g_filterFrom[0] = g_filterTo[0] = "A000009";
  g_store.ApplyFilterCriterion(kCritObjNr, 0, 0);
  ASSERT_GT(g_filterCount, 0);
  const gis::GisData data = gis::BuildFeatures(gis::ReadStore());
  // The records naming A000009: its object record and its four lines (one shared).
  EXPECT_EQ(data.Layer(gis::LayerId::kLinien).size(), 4u);
  ASSERT_EQ(data.Layer(gis::LayerId::kFlaechen).size(), 1u);
  EXPECT_EQ(Text(data.Layer(gis::LayerId::kFlaechen)[0], gis::FieldId::kObjektnummer), "A000009");
  // Only the object record in the set: the area still gets all its lines.
  g_store.ClearFilterSet();
  g_filterFrom[0] = g_filterTo[0] = "F";
  g_store.ApplyFilterCriterion(kCritObjTyp, 0, 0);
  const gis::GisData objectsOnly = gis::BuildFeatures(gis::ReadStore());
  EXPECT_TRUE(objectsOnly.Layer(gis::LayerId::kLinien).empty());
  EXPECT_EQ(objectsOnly.Layer(gis::LayerId::kFlaechen).size(), 2u);
  EXPECT_TRUE(objectsOnly.Layer(gis::LayerId::kFehler).empty());
}

TEST(GisSource, RecordsOfOtherOperationKeysAreNotRead) {
  ResetProgram();
  TempDir dir;
  std::string text;
  {
    std::ifstream in(GisFile("square"), std::ios::binary);
    text.assign(std::istreambuf_iterator<char>(in), {});
  }
  for (std::size_t at = text.find("FEIN"); at != std::string::npos; at = text.find("FEIN", at)) text.replace(at, 4, "FLOE");
  Load(dir.Write("floe.edbs", text));
  const gis::SourceData source = gis::ReadStore();
  EXPECT_TRUE(source.lines.empty());
  EXPECT_TRUE(source.objects.empty());
  EXPECT_FALSE(gis::FirstPoint());
}

TEST(GisSource, PointRecordCoordinatesInMillimetresOrMetres) {
  EXPECT_EQ(gis::PointRecordCoordinate("5491736757"), 5491736.757);
  EXPECT_EQ(gis::PointRecordCoordinate("5491736.76"), 5491736.76);
  EXPECT_EQ(gis::PointRecordCoordinate(" 491736757"), 491736.757);
  EXPECT_FALSE(gis::PointRecordCoordinate("          "));
  EXPECT_FALSE(gis::PointRecordCoordinate(""));
}

TEST(GisSource, FirstPointNamesTheZoneOfTheData) {
  ResetProgram();
  Load(GisFile("points"));
  const auto first = gis::FirstPoint();
  ASSERT_TRUE(first);
  // The point record comes first in the file.
  EXPECT_EQ(*first, (gis::Point2{5491005.0, 5654007.5}));
}
