// One paint of the graphic on the recording canvas: extent, scale and centre, the passes with the
// filter set in red on top, the grid with its thinning, labels and tick marks, the pushpin where
// the data has no extent, and the cases where nothing is drawn.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>

#include "platform/recording_canvas.h"
#include "platform/services.h"
#include "records/filter_criteria.h"
#include "support/edbs_lines.h"
#include "support/golden.h"
#include "support/object_records.h"
#include "views/graphic.h"
#include "views/settings.h"
#include "views/view_state.h"

using namespace testing_edbs;

namespace {

class Graphic : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProgram();
    edbs::SetWaitCursor(&m_cursor);
  }
  void TearDown() override {
    edbs::SetWaitCursor(nullptr);
    ResetProgram();
  }

  static std::string Paint(int w = 800, int h = 600) {
    edbs::RecordingCanvas dc(w, h);
    DrawGraphic(dc);
    return dc.Log();
  }

  // A square of 100 m with its lower left corner at (1000, 2000) and a diagonal.
  static void AddSquare() {
    AddObject(Pt(1000, 2000), {{Pt(1100, 2000), "11"}, {Pt(1100, 2100), "11"}, {Pt(1000, 2100), "11"}});
    AddObject(Pt(1000, 2000), {{Pt(1100, 2100), "11"}});
  }

  // Puts the records with the given line numbers into the filter set.
  static void FilterLines(int from, int to) {
    g_filterArgCount = 1;
    g_filterFrom[0] = std::to_string(from);
    g_filterTo[0] = std::to_string(to);
    g_store.ApplyFilterCriterion(kCritZeile, 0, 0);
  }

  static int CountLines(const std::string& log, const std::string& prefix) {
    std::istringstream in(log);
    int n = 0;
    for (std::string line; std::getline(in, line);) n += line.rfind(prefix, 0) == 0 ? 1 : 0;
    return n;
  }

  edbs::RecordingWaitCursor m_cursor;
};

}  // namespace

TEST_F(Graphic, EmptyStoreDrawsNothingAndKeepsTheScale) {
  g_settings.Gitternetz = true;
  EXPECT_EQ(Paint(), "");
  EXPECT_EQ(g_viewScale, 1.0);
  EXPECT_EQ(m_cursor.changes, 0);
}

TEST_F(Graphic, SquareIsFittedToTheWindowAndCentred) {
  AddSquare();
  ExpectGolden("graphic/square.txt", Paint());
  EXPECT_DOUBLE_EQ(g_viewScale, 6.0);
  EXPECT_DOUBLE_EQ(g_viewCentreX, 1050.0);
  EXPECT_DOUBLE_EQ(g_viewCentreY, 2050.0);
}

TEST_F(Graphic, ZoomAndPanMoveTheCentreAndScale) {
  AddSquare();
  g_viewZoom = 2.0;
  g_viewPanX = 10.0;
  g_viewPanY = 20.0;
  Paint();
  EXPECT_DOUBLE_EQ(g_viewScale, 12.0);
  EXPECT_DOUBLE_EQ(g_viewCentreX, 1060.0);
  EXPECT_DOUBLE_EQ(g_viewCentreY, 2030.0);
}

TEST_F(Graphic, FilterSetIsDrawnInRedAfterEverythingElse) {
  AddSquare();
  FilterLines(1, 1);
  ExpectGolden("graphic/filter_set_on_top.txt", Paint());
}

TEST_F(Graphic, ModeZeroDrawsTheFilterSetAloneFittedToIt) {
  AddSquare();
  AddObject(Pt(5000, 5000), {{Pt(6000, 6000), "11"}});
  FilterLines(2, 2);
  g_graphicMode = 0;
  ExpectGolden("graphic/filter_set_only.txt", Paint());
}

TEST_F(Graphic, ModeZeroWithAnEmptyFilterSetDrawsNothingNotEvenTheGrid) {
  AddSquare();
  g_graphicMode = 0;
  g_settings.Gitternetz = true;
  g_settings.Gitterschrift = true;
  EXPECT_EQ(Paint(), "");
  EXPECT_LT(g_viewScale, 0.0);
}

TEST_F(Graphic, SinglePointShowsThePushpinAtTheCentre) {
  AddObject(Pt(1234.5, 678.9), {});
  ExpectGolden("graphic/pushpin_single_point.txt", Paint());
  EXPECT_TRUE(std::isinf(g_viewScale));
}

TEST_F(Graphic, PointsOnOneHorizontalLinePinTheirLowerLeftPoint) {
  AddObject(Pt(0, 0), {{Pt(100, 0), "11"}});
  const std::string log = Paint();
  // The scale fits the width: 8 pixels per metre, the left end lies at x = 400 - 50 * 8 = 0.
  EXPECT_EQ(log.substr(0, log.find('\n')), "line 16 270 0 300 pen 1 127,127,127");
  EXPECT_EQ(CountLines(log, "line"), 2 + 4);
  EXPECT_EQ(CountLines(log, "arc"), 7 + 2);
}

TEST_F(Graphic, GridWithLabelsAndTickMarks) {
  AddSquare();
  g_settings.Gitternetz = true;
  g_settings.Gitterschrift = true;
  g_settings.Gitterabstand = 5.0;  // 30 pixels: a label on every second line
  ExpectGolden("graphic/grid_labels_ticks.txt", Paint());
}

TEST_F(Graphic, DenseGridIsThinnedWithTwoRedMessages) {
  AddSquare();
  g_settings.Gitternetz = true;
  g_settings.Gitterabstand = 0.5;  // 3 pixels: 266 lines each side
  const std::string log = Paint();
  ExpectGolden("graphic/grid_thinned.txt", log);
  EXPECT_EQ(g_settings.Gitterabstand, 0.5);  // the setting keeps the unthinned spacing
}

TEST_F(Graphic, AutomaticSpacingIsStoredIntoTheSetting) {
  AddSquare();
  g_settings.Gitternetz = true;
  g_settings.Gitterauto = true;
  g_settings.Gitterabstand = 0.1;
  Paint();
  // 100 pixels are 16.7 m at 6 pixels per metre.
  EXPECT_EQ(g_settings.Gitterabstand, 20.0);
}

TEST_F(Graphic, AutomaticSpacingTakesTheFirstValueAboveTheTarget) {
  EXPECT_EQ(AutomaticGridSpacing(800, 6.0), 20.0);
  EXPECT_EQ(AutomaticGridSpacing(100, 1000.0), 0.2);  // 0.1 exactly is not above 0.1
  EXPECT_EQ(AutomaticGridSpacing(1000, 1e-4), 2000000.0);
  EXPECT_EQ(AutomaticGridSpacing(1000, 1e-5), 10000000.0);  // nothing above 10000000
  EXPECT_EQ(AutomaticGridSpacing(99, 6.0), 10000000.0);    // narrower than 100 pixels
  EXPECT_EQ(AutomaticGridSpacing(800, std::nan("")), 10000000.0);
}

TEST_F(Graphic, GridOfAWideWindowReachesItsEdges) {
  AddSquare();
  g_settings.Gitternetz = true;
  g_settings.Gitterabstand = 10.0;
  edbs::RecordingCanvas dc(2400, 1400);
  DrawGraphic(dc);
  int minX = 1 << 30, maxX = -1, maxLength = 0;
  for (const std::string& line : dc.Lines()) {
    int x1, y1, x2, y2;
    if (std::sscanf(line.c_str(), "line %d %d %d %d pen 1 0,255,0", &x1, &y1, &x2, &y2) != 4) continue;
    if (x1 != x2) {
      maxLength = std::max(maxLength, x2);
      continue;
    }
    minX = std::min(minX, x1);
    maxX = std::max(maxX, x1);
  }
  // 14 pixels per metre: the lines stand 140 pixels apart.
  EXPECT_LE(minX, 140);
  EXPECT_GE(maxX, 2400 - 140);
  EXPECT_GE(maxLength, 2400);
}

TEST_F(Graphic, WaitCursorCoversThePaint) {
  AddSquare();
  Paint();
  EXPECT_EQ(m_cursor.changes, 2);
  EXPECT_FALSE(m_cursor.shown);
}

TEST_F(Graphic, ExtentTakesFeinAndBspeRecordsOnly) {
  AddSquare();
  AddObject(Pt(-500, -500), {{Pt(9000, 9000), "11"}}, {}, "BSPE");
  const int other = AddObject(Pt(-900, -900), {{Pt(90000, 90000), "11"}});
  const_cast<CEdbsRecord&>(g_store.Record(other)).m_opKeyIndex = kFLOE;
  const GraphicExtent e = ComputeGraphicExtent();
  EXPECT_EQ(e.xMin, -500);
  EXPECT_EQ(e.yMin, -500);
  EXPECT_EQ(e.xMax, 9000);
  EXPECT_EQ(e.yMax, 9000);
}

TEST_F(Graphic, ExtentTakesPositionPointsButNoDirections) {
  AddObject(Pt(0, 0), {}, {{"21", "Name", "53", {Direction(5000), Pt(40, 30)}}});
  const GraphicExtent e = ComputeGraphicExtent();
  EXPECT_EQ(e.xMax, 40);
  EXPECT_EQ(e.yMax, 30);
  EXPECT_EQ(e.xMin, 0);
}
