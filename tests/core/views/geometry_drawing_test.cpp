// The geometry of one record on the recording canvas: lines, fans, polygons closing where the next
// line or the object part begins, arcs, texts with their derivation, direction and placement, and
// the drawn decorations. One metre is one pixel; the world origin lies at pixel (400, 300).

#include <gtest/gtest.h>

#include <string>

#include "platform/recording_canvas.h"
#include "support/edbs_lines.h"
#include "support/golden.h"
#include "support/object_records.h"
#include "views/geometry_drawing.h"
#include "views/settings.h"
#include "views/view_state.h"

using namespace testing_edbs;

namespace {

class GeometryDrawing : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProgram();
    g_viewScale = 1.0;
  }
  void TearDown() override { ResetProgram(); }

  static std::string Draw(int record) {
    edbs::RecordingCanvas dc;
    DrawRecordGeometry(dc, record, 0.0, 0.0, 400, 300);
    return dc.Log();
  }

  // A special information on a record whose start point is (0, 0) and that has no lines.
  static int Info(const ObjectInfo& info) { return AddObject(Pt(0, 0), {}, {info}); }

  // A text field with `head` in front and `number` from position `at` on.
  static std::string Key(const std::string& head, int at, const std::string& number) {
    std::string text = head;
    text.resize(at, '1');
    return text + number;
  }
};

}  // namespace

// --- lines ----------------------------------------------------------------------------------------

TEST_F(GeometryDrawing, StraightLineDrawsOneSegment) {
  const int r = AddObject(Pt(0, 0), {{Pt(100, 50), "11"}});
  EXPECT_EQ(Draw(r), "line 400 300 500 250 pen 1 0,0,0\n");
}

TEST_F(GeometryDrawing, LinesAfterOneStartPointFanOutFromIt) {
  const int r = AddObject(Pt(10, 10), {{Pt(100, 0), "11"}, {Pt(0, 100), "11"}, {Pt(-100, 0), "11"}});
  ExpectGolden("geometry/fan.txt", Draw(r));
}

TEST_F(GeometryDrawing, PolygonClosesWhereTheNextLineBegins) {
  const int r = AddObject(Pt(0, 0), {{Pt(100, 0), "15", {Pt(0, 100), Pt(50, 150)}}, {Pt(-50, -50), "11"}});
  ExpectGolden("geometry/polygon_closes_at_next_line.txt", Draw(r));
}

TEST_F(GeometryDrawing, PolygonClosesBeforeTheObjectPartsAreDrawn) {
  // The decoration's segment must follow the closing stroke, not come before it.
  const int r = AddObject(Pt(0, 0), {{Pt(100, 0), "41", {Pt(0, 100)}}},
                          {{"31", "", "11", {Pt(-10, -10), Pt(-20, -20)}}});
  ExpectGolden("geometry/polygon_closes_at_object_part.txt", Draw(r));
}

TEST_F(GeometryDrawing, PolygonClosesAtTheEndOfTheRecord) {
  const int r = Info({"31", "", "15", {Pt(0, 0), Pt(100, 0), Pt(100, 100), Pt(0, 100)}});
  ExpectGolden("geometry/polygon_closes_at_record_end.txt", Draw(r));
}

TEST_F(GeometryDrawing, FarPointsAreClampedToTheOffsetRange) {
  const int r = AddObject(Pt(0, 0), {{Pt(100000, -100000), "11"}});
  EXPECT_EQ(Draw(r), "line 400 300 33167 33067 pen 1 0,0,0\n");
}

TEST_F(GeometryDrawing, OnlyFeinAndBspeRecordsAreDrawn) {
  const int fein = AddObject(Pt(0, 0), {{Pt(100, 50), "11"}});
  const int bspe = AddObject(Pt(0, 0), {{Pt(100, 50), "11"}}, {}, "BSPE");
  EXPECT_EQ(Draw(bspe), Draw(fein));
  for (int key : {kFLOE, kBKRT, kOTEX}) {
    const_cast<CEdbsRecord&>(g_store.Record(fein)).m_opKeyIndex = key;
    EXPECT_EQ(Draw(fein), "") << key;
  }
}

TEST_F(GeometryDrawing, DrawingWithAScaleOfItsOwnGivesTheGraphicsScaleBack) {
  const int r = AddObject(Pt(0, 0), {{Pt(100, 50), "11"}});
  {
    const ScopedViewScale detail(0.5);
    EXPECT_EQ(Draw(r), "line 400 300 450 275 pen 1 0,0,0\n");
  }
  EXPECT_EQ(g_viewScale, 1.0);
}

// --- arcs -----------------------------------------------------------------------------------------

TEST_F(GeometryDrawing, ArcsRunCounterClockwiseFromStartOrFromEnd) {
  const int left = AddObject(Pt(100, 0), {{Pt(0, 100), "21", {Pt(0, 0)}}});
  const int right = AddObject(Pt(100, 0), {{Pt(0, 100), "22", {Pt(0, 0)}}});
  ExpectGolden("geometry/arcs.txt", Draw(left) + Draw(right));
}

TEST_F(GeometryDrawing, ArcWithAShortChordIsDrawnAsTheChord) {
  // r = 100, chord 14 < 15.
  const int r = AddObject(Pt(100, 0), {{Pt(100, 14), "21", {Pt(0, 0)}}});
  EXPECT_EQ(Draw(r), "line 500 300 500 286 pen 1 0,0,0\n");
}

TEST_F(GeometryDrawing, ArcWhoseEndsCoincideIsALineOfZeroLength) {
  const int r = AddObject(Pt(100, 0), {{Pt(100, 0), "22", {Pt(0, 0)}}});
  EXPECT_EQ(Draw(r), "line 500 300 500 300 pen 1 0,0,0\n");
}

TEST_F(GeometryDrawing, ArcSpanningTwoPixelsOrLessIsNotDrawn) {
  const int r = AddObject(Pt(2, 0), {{Pt(0, 2), "21", {Pt(0, 0)}}});
  EXPECT_EQ(Draw(r), "");
  const int wider = AddObject(Pt(2.5, 0), {{Pt(0, 2.5), "21", {Pt(0, 0)}}});
  EXPECT_EQ(Draw(wider), "arc 398 298 402 302 402 300 400 298 pen 1 0,0,0\n");
}

// --- texts ----------------------------------------------------------------------------------------

TEST_F(GeometryDrawing, HouseNumberIsPlacedWithoutLeadingZeros) {
  const int r = Info({"11", Key("HA", 15, "0012    "), "51", {Pt(50, 50)}});
  EXPECT_EQ(Draw(r), "text 450 245 font \"Arial\" 5 0 100 1 0 color 0,0,0 align lt bk o | 12\n");
}

TEST_F(GeometryDrawing, ParcelWithDenominatorZeroShowsTheNumeratorAlone) {
  const int r = Info({"12", Key("FS", 11, "00081000"), "51", {Pt(50, 50)}});
  EXPECT_EQ(Draw(r), "text 450 245 font \"Arial\" 5 0 100 1 0 color 0,0,0 align lt bk o | 81\n");
}

TEST_F(GeometryDrawing, TextBelowTwoPixelsStaysPendingAndTheLettersLineGoesOn) {
  const ObjectInfo number{"11", Key("HA", 15, "0007"), "15", {Pt(0, 0), Pt(100, 0), Pt(100, 100)}};
  const int r = Info(number);
  g_textHeight = 5.0;
  g_viewScale = 0.39;  // 1.95 pixels
  ExpectGolden("geometry/text_too_small.txt", Draw(r));
  g_viewScale = 0.4;  // 2 pixels
  ExpectGolden("geometry/text_two_pixels.txt", Draw(r));
}

TEST_F(GeometryDrawing, NameFollowsTheDirectionOfItsTwoPoints) {
  const int up = Info({"21", "Lindenweg", "11", {Pt(0, 0), Pt(100, 100)}});
  const int back = Info({"23", "Neisse", "30", {Pt(0, 0), Pt(-100, -50)}});
  ExpectGolden("geometry/text_direction.txt", Draw(up) + Draw(back));
}

TEST_F(GeometryDrawing, TurnedSymbolTakesItsAngleFromTheDirectionField) {
  const int east = Info({"25", "Ost", "53", {Direction(10000), Pt(20, 20)}});
  const int west = Info({"25", "West", "53", {Direction(30000), Pt(20, 20)}});
  const int half = Info({"25", "Halb", "53", {Direction(5000), Pt(20, 20)}});
  ExpectGolden("geometry/turned_symbols.txt", Draw(east) + Draw(west) + Draw(half));
}

TEST_F(GeometryDrawing, TextWithoutGeometryStandsAtTheLineStart) {
  const int r = AddObject(Pt(30, 40), {{Pt(100, 40), "11"}}, {{"21", "Am Markt", "  "}});
  ExpectGolden("geometry/text_at_line_start.txt", Draw(r));
}

TEST_F(GeometryDrawing, PlacedTextIsNotPlacedAgainAndNixNeverAppears) {
  const int once = Info({"21", "Einmal", "51", {Pt(0, 0), Pt(10, 10), Pt(20, 20)}});
  EXPECT_EQ(Draw(once), "text 400 295 font \"Arial\" 5 0 100 1 0 color 0,0,0 align lt bk o | Einmal\n");
  const int nix = Info({"21", "NIX", "51", {Pt(0, 0)}});
  EXPECT_EQ(Draw(nix), "");
}

TEST_F(GeometryDrawing, PositionWithoutPointReusesTheLastPoint) {
  // The second point carries a direction instead of a position: the direction P to Q is undefined.
  const int r = Info({"21", "Steg", "11", {Pt(10, 10), Direction(100)}});
  EXPECT_EQ(Draw(r), "text 410 285 font \"Arial\" 5 0 100 1 0 color 0,0,0 align lt bk o | Steg\n");
}

TEST_F(GeometryDrawing, NumberOnAStraightLineDrawsTheLineAndStandsAtItsEnd) {
  const int r = Info({"14", Key("  ", 11, "00815"), "11", {Pt(0, 0), Pt(60, 0)}});
  ExpectGolden("geometry/number_on_line.txt", Draw(r));
}

// --- decorations ----------------------------------------------------------------------------------

TEST_F(GeometryDrawing, LinePairsDrawSeparateSegments) {
  const int r = Info({"32", "", "12", {Pt(0, 0), Pt(10, 0), Pt(0, 20), Pt(10, 20)}});
  ExpectGolden("geometry/line_pairs.txt", Draw(r));
}

TEST_F(GeometryDrawing, DecorationSplineLeavesItsThirdPointUnconnected) {
  const int r = Info({"31", "", "41", {Pt(0, 0), Pt(100, 0), Pt(50, 50), Pt(60, 60), Pt(70, 70)}});
  ExpectGolden("geometry/decoration_spline.txt", Draw(r));
}

TEST_F(GeometryDrawing, DecorationArcHasItsCentreLast) {
  const int r = Info({"31", "", "22", {Pt(0, 50), Pt(50, 0), Pt(0, 0)}});
  ExpectGolden("geometry/decoration_arc.txt", Draw(r));
}
