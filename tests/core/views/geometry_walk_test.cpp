// The walk over a record's parts as a sink sees it: points in the sink's own units, texts with
// the part they are placed at, and a text that the sink cannot place offered again.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/edbs_part.h"
#include "support/edbs_lines.h"
#include "support/object_records.h"
#include "views/geometry_walk.h"

using namespace testing_edbs;

namespace {

// Keeps the world coordinates and writes down what it is given.
class ListSink : public PlanSink {
 public:
  struct Text {
    PlanPoint at;
    int angle = 0;
    std::string text;
    int part = 0;
  };

  PlanPoint Map(double x, double y) const override { return {x, y}; }
  void MoveTo(const PlanPoint& p) override { moves.push_back(p); }
  void LineTo(const PlanPoint& p) override { lines.push_back(p); }
  void Arc(const PlanPoint&, const PlanPoint&, const PlanPoint&, std::string_view kind) override {
    arcs.emplace_back(kind);
  }
  bool PlaceText(const PlanPoint& at, int angle, const std::string& text, int part) override {
    texts.push_back({at, angle, text, part});
    return refusals-- <= 0;
  }

  std::vector<PlanPoint> moves, lines;
  std::vector<std::string> arcs;
  std::vector<Text> texts;
  int refusals = 0;  // how many texts to refuse before taking one
};

class GeometryWalkTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetProgram(); }
  void TearDown() override { ResetProgram(); }
};

}  // namespace

TEST_F(GeometryWalkTest, SinkGetsWorldPointsAndThePartOfEachText) {
  // Points far beyond a window's pixels: the sink's units are metres, nothing is clamped.
  const int r = AddObject(Pt(91000, 54000), {{Pt(91100, 54000), "11"}, {Pt(91000, 54050), "21", {Pt(91000, 54000)}}},
                          {{"21", "Lindenweg", "11", {Pt(91010, 54020), Pt(91110, 54120)}}});
  ListSink sink;
  WalkRecordGeometry(r, sink);
  ASSERT_EQ(sink.lines.size(), 1u);
  EXPECT_DOUBLE_EQ(sink.lines[0].x, 91100.0);
  EXPECT_EQ(sink.arcs, std::vector<std::string>{"21"});
  ASSERT_EQ(sink.texts.size(), 1u);
  EXPECT_EQ(sink.texts[0].text, "Lindenweg");
  EXPECT_DOUBLE_EQ(sink.texts[0].at.x, 91010.0);
  EXPECT_DOUBLE_EQ(sink.texts[0].at.y, 54020.0);
  EXPECT_EQ(sink.texts[0].angle, 449);  // 45 degrees, truncated to tenths as the plan does
  EXPECT_EQ(g_store.GetPartType(r, sink.texts[0].part), kPtUlob2110);
}

TEST_F(GeometryWalkTest, TextTheSinkRefusesIsOfferedAgainAtTheNextPart) {
  // A text without geometry of its own stands at the start point; every later part offers it.
  const int r = AddObject(Pt(20, 30), {}, {{"25", "Whs", "  "}, {"25", "Sch", "  "}});
  ListSink sink;
  sink.refusals = 1;
  WalkRecordGeometry(r, sink);
  ASSERT_EQ(sink.texts.size(), 3u);
  EXPECT_EQ(sink.texts[0].text, "Whs");
  EXPECT_EQ(sink.texts[1].text, "Whs");
  EXPECT_LT(sink.texts[0].part, sink.texts[1].part);
  EXPECT_DOUBLE_EQ(sink.texts[1].at.x, 20.0);
  EXPECT_EQ(sink.texts[2].text, "Sch");
}

TEST_F(GeometryWalkTest, RecordsOtherThanFeinAndBspeGiveNothing) {
  const int r = AddObject(Pt(0, 0), {{Pt(100, 0), "11"}}, {{"25", "Whs", "51", {Pt(1, 1)}}}, "FLOE");
  ListSink sink;
  WalkRecordGeometry(r, sink);
  WalkRecordGeometry(-1, sink);
  WalkRecordGeometry(g_store.GetRecordCount(), sink);
  EXPECT_TRUE(sink.lines.empty());
  EXPECT_TRUE(sink.texts.empty());
}
