// What the detail dialog draws on the recording canvas: a part's fields as three columns, the
// record graphic with its extent, the grey surroundings, the scroll arrows and the part diagram;
// the buttons that move and zoom it; and the plan graphic's scale and text height left as they were.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "platform/recording_canvas.h"
#include "records/edbs_part.h"
#include "store/keyword_tables.h"
#include "support/edbs_lines.h"
#include "support/golden.h"
#include "support/object_records.h"
#include "views/detail_drawing.h"
#include "views/detail_pages.h"
#include "views/settings.h"
#include "views/view_state.h"

using namespace testing_edbs;

namespace {

// The surface of the dialog: 379 x 398 dialog units.
constexpr int kSurfaceWidth = 568;
constexpr int kSurfaceHeight = 647;

class DetailDrawing : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProgram();
    ResetDetailState();
  }
  void TearDown() override {
    ResetProgram();
    ResetDetailState();
  }

  static std::string Draw(const DetailDrawState& state = {}) {
    edbs::RecordingCanvas dc(kSurfaceWidth, kSurfaceHeight);
    DrawDetail(dc, state);
    return dc.Log();
  }

  static std::vector<std::string> Lines(const std::string& log) {
    std::vector<std::string> lines;
    std::istringstream in(log);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  static int Count(const std::string& log, const std::string& part) {
    int n = 0;
    for (const std::string& line : Lines(log)) n += line.find(part) != std::string::npos ? 1 : 0;
    return n;
  }

  // The index of the first part of `type` in `record`.
  static int PartOfType(int record, int type) {
    for (int j = 0; j < g_store.GetPartCount(record); ++j) {
      if (g_store.GetPartType(record, j) == type) return j;
    }
    return -1;
  }

  // A house with a name: an outline of four lines, a support point, and a street name placed
  // along two position points.
  static int AddHouse() {
    return AddObject(Pt(1000, 2000),
                     {{Pt(1020, 2000), "11"}, {Pt(1020, 2015), "11"}, {Pt(1000, 2015), "15", {Pt(1010, 2020)}}},
                     {{"21", "Lindenweg", "51", {Pt(1002, 2005)}}});
  }

  // Moves every coordinate of a log line by (mx, my): lines, rectangles and texts.
  static std::string Moved(const std::string& line, int mx, int my) {
    std::istringstream in(line);
    std::string kind;
    in >> kind;
    int count = kind == "line" || kind == "rectangle" ? 4 : kind == "text" ? 2 : 0;
    std::ostringstream out;
    out << kind;
    for (int k = 0; k < count; ++k) {
      int v = 0;
      in >> v;
      out << ' ' << v + (k % 2 == 0 ? mx : my);
    }
    std::string rest;
    std::getline(in, rest);
    out << rest;
    return out.str();
  }
};

}  // namespace

TEST_F(DetailDrawing, PartFieldsAreThreeColumnsUnderAGreenTitle) {
  const int house = AddHouse();
  SelectDetailPart(house, PartOfType(house, kPtUlob2100));
  ExpectGolden("detail/part_ulob2100.txt", Draw());
}

TEST_F(DetailDrawing, PartFieldsMoveWithTheOffsets) {
  const int house = AddHouse();
  SelectDetailPart(house, PartOfType(house, kPtUlob1000));
  const std::vector<std::string> still = Lines(Draw());
  const std::vector<std::string> moved = Lines(Draw({-300, 30, 1.0}));
  ASSERT_EQ(still.size(), moved.size());
  EXPECT_EQ(moved[0], still[0]);  // the erasure stays
  for (std::size_t k = 1; k < still.size(); ++k) EXPECT_EQ(moved[k], Moved(still[k], 300, -30));
}

TEST_F(DetailDrawing, RecordGraphicShowsExtentGeometryAndPartDiagram) {
  SelectDetailRecord(AddHouse());
  ExpectGolden("detail/record_house.txt", Draw());
}

TEST_F(DetailDrawing, SurroundingDataIsGreyBeneathTheRecordWhenGraphikIsTicked) {
  AddObject(Pt(990, 1990), {{Pt(1030, 1990), "11"}});
  const int house = AddHouse();
  AddObject(Pt(990, 2030), {{Pt(1030, 2030), "11"}});
  SelectDetailRecord(house);
  g_settings.DetailGrafik = true;
  const std::string log = Draw();
  ExpectGolden("detail/record_house_surroundings.txt", log);
  // The record itself is drawn again in light red, above the grey.
  EXPECT_EQ(Count(log, "pen 1 127,127,127"), 6);
  EXPECT_EQ(Count(log, "pen 1 255,63,63"), 4);
  g_settings.DetailGrafik = false;
  EXPECT_EQ(Count(Draw(), "pen 1 127,127,127"), 0);
}

TEST_F(DetailDrawing, ARunOfPointsIsOneBoxWithItsCounter) {
  const int record = AddObject(Pt(1000, 2000), {{Pt(1020, 2000), "11"}},
                               {{"31", "", "12", {Pt(1000, 2001), Pt(1010, 2001), Pt(1000, 2002), Pt(1010, 2002)}},
                                {"21", "Ufer", "51", {Pt(1005, 2005)}}});
  SelectDetailRecord(record);
  const std::string log = Draw();
  ExpectGolden("detail/record_point_runs.txt", log);
  EXPECT_EQ(Count(log, "| ULOB2110"), 2);  // one box per run
  EXPECT_EQ(Count(log, "bk o | x 4"), 1);
  EXPECT_EQ(Count(log, "bk o | x 1"), 1);
}

TEST_F(DetailDrawing, ObenTwiceMovesEverything30PixelsDownAndShowsTheLowerArrow) {
  SelectDetailRecord(AddHouse());
  DetailDrawState state;
  ApplyDetailMove(state, DetailMove::Up);
  ApplyDetailMove(state, DetailMove::Up);
  EXPECT_EQ(state.dy, -30);
  const std::vector<std::string> still = Lines(Draw());
  std::vector<std::string> moved = Lines(Draw(state));
  const std::vector<std::string> arrow = {"line 266 632 276 642 pen 1 0,0,255", "line 276 642 286 632 pen 1 0,0,255",
                                          "line 286 632 266 632 pen 1 0,0,255"};
  const auto first = std::search(moved.begin(), moved.end(), arrow.begin(), arrow.end());
  ASSERT_NE(first, moved.end());
  moved.erase(first, first + 3);
  ASSERT_EQ(moved.size(), still.size());
  EXPECT_EQ(moved[0], still[0]);
  for (std::size_t k = 1; k < still.size(); ++k) EXPECT_EQ(moved[k], Moved(still[k], 0, 30));
}

TEST_F(DetailDrawing, EachDirectionShowsItsOwnArrow) {
  SelectDetailRecord(AddHouse());
  const auto arrowLines = [](const DetailDrawState& s) { return Count(Draw(s), "pen 1 0,0,255"); };
  EXPECT_EQ(arrowLines({}), 0);
  DetailDrawState down;
  ApplyDetailMove(down, DetailMove::Down);
  ApplyDetailMove(down, DetailMove::Down);
  EXPECT_EQ(down.dy, 30);
  EXPECT_EQ(Count(Draw(down), "line 266 10 276 0 pen 1 0,0,255"), 1);
  DetailDrawState right;
  ApplyDetailMove(right, DetailMove::Right);
  EXPECT_EQ(right.dx, 300);
  EXPECT_EQ(Count(Draw(right), "line 10 311 0 321 pen 1 0,0,255"), 1);
  DetailDrawState left;
  ApplyDetailMove(left, DetailMove::Left);
  EXPECT_EQ(Count(Draw(left), "line 552 311 562 321 pen 1 0,0,255"), 1);
  EXPECT_EQ(arrowLines({300, -15, 1.0}), 6);
}

TEST_F(DetailDrawing, ZoomButtonsHalveAndDoubleTheFittedScale) {
  // 100 m wide, no height: fitted to 300 / 110 pixels per metre around the centre (250, 350).
  SelectDetailRecord(AddObject(Pt(1000, 2000), {{Pt(1100, 2000), "11"}}));
  EXPECT_EQ(Count(Draw(), "line 114 350 386 350 pen 1 255,63,63"), 1);
  DetailDrawState state;
  ApplyDetailMove(state, DetailMove::Larger);
  EXPECT_EQ(Count(Draw(state), "line -22 350 522 350 pen 1 255,63,63"), 1);
  ApplyDetailMove(state, DetailMove::Smaller);
  ApplyDetailMove(state, DetailMove::Smaller);
  EXPECT_EQ(state.zoom, 0.5);
  EXPECT_EQ(Count(Draw(state), "line 182 350 318 350 pen 1 255,63,63"), 1);
}

TEST_F(DetailDrawing, ZoomStopsLongBeforeTheScaleBreaks) {
  SelectDetailRecord(AddHouse());
  DetailDrawState state;
  for (int k = 0; k < 2000; ++k) ApplyDetailMove(state, DetailMove::Smaller);
  EXPECT_GT(state.zoom, 0.0);
  const double smallest = state.zoom;
  for (int k = 0; k < 4000; ++k) ApplyDetailMove(state, DetailMove::Larger);
  EXPECT_TRUE(std::isfinite(state.zoom));
  EXPECT_GT(state.zoom, 1e6);
  EXPECT_LT(smallest, 1e-6);
  EXPECT_GT(Count(Draw(state), "pen 1 255,63,63"), 0);
}

TEST_F(DetailDrawing, ThePlanGraphicsScaleAndTextHeightAreGivenBack) {
  AddObject(Pt(0, 0), {{Pt(50000, 50000), "11"}});
  SelectDetailRecord(AddHouse());
  g_settings.DetailGrafik = true;
  g_viewScale = 0.0123;
  g_textHeight = 7.5;
  const std::string log = Draw();
  EXPECT_EQ(g_viewScale, 0.0123);
  EXPECT_EQ(g_textHeight, 7.5);
  // Drawn 3 m high at the record's own scale: 300 / 30 pixels per metre.
  EXPECT_EQ(Count(log, "font \"Arial\" 30 0 100 1 0 color 255,63,63"), 1);
}

TEST_F(DetailDrawing, ARecordWithoutPointsHasNoExtentAndNoSurroundings) {
  AddHouse();
  const int attribute = g_store.GetRecordCount();
  g_store.AddRecord(Line("FEIN", "ULTANN  ", "00010001A0003Y10007010002GFK 1234567WDM 0000042"), 9, kFEIN, LookupInfoName("ULTANN  "), 0, 0);
  SelectDetailRecord(attribute);
  g_settings.DetailGrafik = true;
  const std::string log = Draw();
  EXPECT_EQ(Count(log, "Rechts:"), 0);
  EXPECT_EQ(Count(log, "127,127,127"), 0);
  EXPECT_GT(Count(log, "rectangle"), 0);  // the part diagram still shows
  ExpectGolden("detail/record_without_points.txt", log);
}

TEST_F(DetailDrawing, ARecordOtherThanFeinOrBspeDrawsNoExtent) {
  SelectDetailRecord(AddObject(Pt(1000, 2000), {{Pt(1100, 2000), "11"}}, {}, "FLOE"));
  const std::string log = Draw();
  EXPECT_EQ(Count(log, "Rechts:"), 0);
  EXPECT_EQ(Count(log, "255,63,63"), 0);
}

TEST_F(DetailDrawing, NothingButTheErasureWithoutSomethingToShow) {
  const std::string erased = "fillrect 0 0 568 647 brush 255,255,255\n";
  EXPECT_EQ(Draw(), erased);  // an empty store
  const int house = AddHouse();
  SelectDetailPart(house, 0, true);
  EXPECT_EQ(Draw(), erased);
  SelectDetailPart(house, g_store.GetPartCount(house));
  EXPECT_EQ(Draw(), erased);
  g_detailRecord = 99;
  g_detailPart = kDetailRecordGraphic;
  EXPECT_EQ(Draw(), erased);
}
