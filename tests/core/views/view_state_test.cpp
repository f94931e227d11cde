// The mouse on the graphic: a click zooms out, a drag zooms into its rectangle, the right button
// pans, the middle button's rectangle extends the filter set, the wheel zooms around the cursor;
// and the status bar's readout of the point under the cursor.

#include <gtest/gtest.h>

#include <string>

#include "platform/recording_canvas.h"
#include "records/filter_values.h"
#include "support/edbs_lines.h"
#include "support/object_records.h"
#include "views/graphic.h"
#include "views/view_state.h"

using namespace testing_edbs;

namespace {

constexpr int kW = 800;
constexpr int kH = 600;

class ViewMouse : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProgram();
    // 100 m by 100 m from (1000, 2000): 6 pixels per metre, (1050, 2050) at pixel (400, 300).
    AddObject(Pt(1000, 2000), {{Pt(1100, 2100), "11"}});
    AddObject(Pt(1010, 2010), {{Pt(1020, 2020), "11"}});
    AddObject(Pt(1080, 2080), {{Pt(1090, 2090), "11"}});
    Paint();
  }
  void TearDown() override { ResetProgram(); }

  static void Paint() {
    edbs::RecordingCanvas dc(kW, kH);
    DrawGraphic(dc);
  }

  static void Drag(int button, int x0, int y0, int x1, int y1) {
    ViewMouseDown(button, x0, y0, kW, kH);
    ViewMouseUp(button, x1, y1, kW, kH);
  }

  struct World {
    double x, y;
  };
  static World At(int x, int y) {
    World w{};
    ClientToWorld(x, y, kW, kH, w.x, w.y);
    return w;
  }
};

}  // namespace

TEST_F(ViewMouse, ClickZoomsOutByFourAroundTheSameCentre) {
  Drag(kMouseLeft, 100, 100, 102, 98);
  EXPECT_EQ(g_viewZoom, 0.25);
  EXPECT_EQ(g_viewPanX, 0.0);
  EXPECT_EQ(g_viewPanY, 0.0);
  EXPECT_EQ(g_mouseButton, kMouseNone);
}

TEST_F(ViewMouse, DragOfThreePixelsZoomsIntoTheRectangle) {
  // 200 x 150 pixels around (200, 175): four times the scale, that point in the middle.
  const World middle = At(200, 175);
  Drag(kMouseLeft, 100, 100, 300, 250);
  Paint();
  EXPECT_DOUBLE_EQ(g_viewScale, 24.0);
  EXPECT_NEAR(g_viewCentreX, middle.x, 1e-9);
  EXPECT_NEAR(g_viewCentreY, middle.y, 1e-9);
}

TEST_F(ViewMouse, NarrowDragZoomsByItsLongerSide) {
  Drag(kMouseLeft, 100, 100, 103, 100);  // 3 pixels wide, 0 high
  EXPECT_DOUBLE_EQ(g_viewZoom, 800.0 / 3);
}

TEST_F(ViewMouse, RightDragMovesTheDrawingWithTheMouse) {
  const World grabbed = At(400, 300);
  Drag(kMouseRight, 400, 300, 460, 330);
  Paint();
  const World now = At(460, 330);
  EXPECT_NEAR(now.x, grabbed.x, 1e-9);
  EXPECT_NEAR(now.y, grabbed.y, 1e-9);
}

TEST_F(ViewMouse, MiddleRectangleExtendsTheFilterSetEitherWayDragged) {
  // Around the second record only: world (1005..1025, 2005..2025).
  const auto px = [](double x) { return 400 + static_cast<int>((x - 1050) * 6); };
  const auto py = [](double y) { return 300 - static_cast<int>((y - 2050) * 6); };
  Drag(kMouseMiddle, px(1025), py(2005), px(1005), py(2025));
  EXPECT_EQ(g_coordWindow.xMin, 1005.0);
  EXPECT_EQ(g_coordWindow.xMax, 1025.0);
  EXPECT_EQ(g_coordWindow.yMin, 2005.0);
  EXPECT_EQ(g_coordWindow.yMax, 2025.0);
  EXPECT_EQ(g_filterCount, 1);
  EXPECT_EQ(g_store.IsInFilterSet(1), 1);
  // A second window adds to the set instead of replacing it.
  Drag(kMouseMiddle, px(1075), py(2095), px(1095), py(2075));
  EXPECT_EQ(g_filterCount, 2);
  EXPECT_EQ(g_store.IsInFilterSet(1), 1);
  EXPECT_EQ(g_store.IsInFilterSet(2), 1);
  EXPECT_EQ(g_store.IsInFilterSet(0), 0);
}

TEST_F(ViewMouse, WheelZoomsAroundThePointUnderTheCursor) {
  const World under = At(200, 150);
  ViewWheelZoom(1, 200, 150, kW, kH);
  Paint();
  EXPECT_DOUBLE_EQ(g_viewScale, 6 * 1.25);
  const World after = At(200, 150);
  EXPECT_NEAR(after.x, under.x, 1e-9);
  EXPECT_NEAR(after.y, under.y, 1e-9);
  // Two notches back before any paint, at another point.
  const World other = At(700, 500);
  ViewWheelZoom(-2, 700, 500, kW, kH);
  Paint();
  EXPECT_NEAR(g_viewScale, 6 / 1.25, 1e-12);
  EXPECT_NEAR(At(700, 500).x, other.x, 1e-9);
  EXPECT_NEAR(At(700, 500).y, other.y, 1e-9);
}

TEST_F(ViewMouse, ReadoutShowsTheWorldPointUnderTheCursor) {
  EXPECT_EQ(CursorPositionText(400, 300, kW, kH), "    1050.000 /     2050.000");
  EXPECT_EQ(CursorPositionText(403, 297, kW, kH), "    1050.500 /     2050.500");
}
