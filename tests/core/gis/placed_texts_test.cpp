// The texte layer holds exactly the texts the plan places, at the points where it places them:
// the drawing of every record and the export's texts are compared text by text.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <sstream>

#include "gis/edbs_source.h"
#include "gis/gis_features.h"
#include "gis/placed_texts.h"
#include "platform/recording_canvas.h"
#include "platform/text.h"
#include "support/edbs_lines.h"
#include "support/sample_delivery.h"
#include "views/geometry_drawing.h"
#include "views/settings.h"
#include "views/view_state.h"

using namespace testing_edbs;

namespace {

struct DrawnText {
  int x = 0, y = 0, escapement = 0;
  std::string text;
};

// The text lines of a drawing log: "text X Y font "FACE" H W WEIGHT ITALIC ESC ... | TEXT".
std::vector<DrawnText> TextsOf(const edbs::RecordingCanvas& canvas) {
  std::vector<DrawnText> texts;
  for (const std::string& line : canvas.Lines()) {
    if (line.rfind("text ", 0) != 0) continue;
    DrawnText t;
    std::istringstream in(line.substr(5));
    std::string font, face;
    int height = 0, width = 0, weight = 0, italic = 0;
    in >> t.x >> t.y >> font >> face >> height >> width >> weight >> italic >> t.escapement;
    t.text = line.substr(line.find(" | ") + 3);
    texts.push_back(t);
  }
  return texts;
}

std::string Utf8Trimmed(const std::string& utf8) { return gis::TrimRight(utf8); }

// Draws every record at one metre per pixel, where every text is large enough to be placed, and
// compares what the drawing writes with the texts the export takes for that record.
void ExpectExportPlacesWhatThePlanDraws(std::size_t expectedTotal) {
  const auto centre = gis::FirstPoint();
  ASSERT_TRUE(centre);
  ScopedViewScale scale(1.0);
  g_textHeight = 5.0;
  std::size_t total = 0;
  for (int i = 0; i < g_store.GetRecordCount(); ++i) {
    edbs::RecordingCanvas canvas;
    DrawRecordGeometry(canvas, i, centre->x, centre->y, 0, 0);
    const std::vector<DrawnText> drawn = TextsOf(canvas);
    const std::vector<gis::SourceText> placed = gis::PlacedTexts(i, {});
    ASSERT_EQ(placed.size(), drawn.size()) << "record " << i;
    for (std::size_t k = 0; k < placed.size(); ++k) {
      const gis::SourceText& p = placed[k];
      EXPECT_EQ(edbs::Cp1252ToUtf8(p.text), Utf8Trimmed(drawn[k].text)) << "record " << i;
      EXPECT_EQ(std::lround(p.angle * 10), drawn[k].escapement) << "record " << i;
      EXPECT_DOUBLE_EQ(p.height, 5.0);
      // The drawing puts the top-left corner one text height above the point, across the text.
      const double phi = p.angle * std::numbers::pi / 180.0;
      EXPECT_NEAR(drawn[k].x, (p.position.x - centre->x) - 5.0 * std::sin(phi), 1.0) << "record " << i;
      EXPECT_NEAR(drawn[k].y, -((p.position.y - centre->y) + 5.0 * std::cos(phi)), 1.0) << "record " << i;
    }
    total += placed.size();
  }
  EXPECT_EQ(total, expectedTotal);
}

}  // namespace

TEST(PlacedTexts, HouseNumberStandsOnItsPointTurnedByItsDirection) {
  ResetProgram();
  Load(std::string(SATZLUPE_TEST_DATA) + "/gis/points.edbs");
  const gis::GisData data = gis::BuildFeatures(gis::ReadStore());
  ASSERT_EQ(data.Layer(gis::LayerId::kTexte).size(), 1u);
  const gis::Feature& text = data.Layer(gis::LayerId::kTexte)[0];
  // 50 gon from north is 45 degrees from east; the number 0012 with the addition "a".
  EXPECT_EQ(std::get<std::string>(*text.Find(gis::FieldId::kText)), "12a");
  EXPECT_DOUBLE_EQ(std::get<double>(*text.Find(gis::FieldId::kWinkel)), 45.0);
  EXPECT_DOUBLE_EQ(std::get<double>(*text.Find(gis::FieldId::kHoehe)), g_textHeight);
  EXPECT_EQ(std::get<gis::Point2>(text.geometry), (gis::Point2{5491005.0, 5654005.0}));
  EXPECT_EQ(std::get<std::string>(*text.Find(gis::FieldId::kObjektnummer)), "A000014");
}

TEST(PlacedTexts, ExampleTextsAreThePlansTexts) {
  ResetProgram();
  Load(std::string(SATZLUPE_EXAMPLES) + "/beispiel.edbs");
  ExpectExportPlacesWhatThePlanDraws(6);
}

TEST(PlacedTexts, RealSampleTextsAreThePlansTexts) {
  TempDir dir;
  const std::string path = UnpackSample(dir);
  if (path.empty()) GTEST_SKIP() << "Die ALK-Musterlieferung fehlt: " << kSamplePacked;
  ResetProgram();
  Load(path);
  ExpectExportPlacesWhatThePlanDraws(1225);
}
