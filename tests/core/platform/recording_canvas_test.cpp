#include "platform/recording_canvas.h"

#include <gtest/gtest.h>

using namespace edbs;

TEST(RecordingCanvas, LogsEachPrimitiveWithTheStateItWasDrawnWith) {
  RecordingCanvas dc;
  dc.SelectPen({1, {0, 0, 0}});
  dc.SelectBrush({255, 255, 255});
  dc.Rectangle(50, 50, 750, 140);
  Font f;
  f.face = "Arial";
  f.height = 15;
  f.weight = 100;
  dc.SelectFont(f);
  dc.SetBkMode(BkMode::Transparent);
  dc.TextOut(120, 55, "Vorhandene Daten l\xF6schen");
  dc.SelectPen({2, {0, 255, 0}});
  dc.MoveTo(55, 180);
  dc.LineTo(58, 185);
  dc.SelectBrush({0, 0, 255});
  dc.FillRect(120, 72, 300, 82);
  EXPECT_EQ(dc.Log(),
            "rectangle 50 50 750 140 pen 1 0,0,0 brush 255,255,255\n"
            "text 120 55 font \"Arial\" 15 0 100 0 0 color 0,0,0 align lt bk t | Vorhandene Daten l\xC3\xB6schen\n"
            "line 55 180 58 185 pen 2 0,255,0\n"
            "fillrect 120 72 300 82 brush 0,0,255\n");
}

TEST(RecordingCanvas, RestoreBringsBackTheSelectedObjects) {
  RecordingCanvas dc;
  dc.SelectPen({1, {1, 2, 3}});
  dc.Save();
  dc.SelectPen({3, {9, 9, 9}});
  dc.Restore();
  dc.LineTo(1, 1);
  EXPECT_EQ(dc.Lines().at(0), "line 0 0 1 1 pen 1 1,2,3");
}

TEST(RecordingCanvas, ArcsEllipsesAndBitmaps) {
  RecordingCanvas dc;
  dc.Arc(1, 2, 3, 4, 5, 6, 7, 8);
  dc.Ellipse(1, 2, 3, 4);
  dc.Bitmap(115, 10, 20);
  EXPECT_EQ(dc.Lines().at(0), "arc 1 2 3 4 5 6 7 8 pen 1 0,0,0");
  EXPECT_EQ(dc.Lines().at(1), "ellipse 1 2 3 4 pen 1 0,0,0 brush 255,255,255");
  EXPECT_EQ(dc.Lines().at(2), "bitmap 115 10 20");
}

TEST(RecordingCanvas, ATextWithALineFeedStaysOneLineAndClearStartsAfresh) {
  RecordingCanvas dc;
  dc.TextOut(1, 2, "oben\nunten");
  dc.Bitmap(1, 2, 3);
  ASSERT_EQ(dc.Lines().size(), 2u);
  EXPECT_TRUE(dc.Lines()[0].ends_with("| oben\nunten"));
  EXPECT_EQ(dc.Lines()[1], "bitmap 1 2 3");
  dc.Clear();
  EXPECT_TRUE(dc.Lines().empty());
  dc.Bitmap(4, 5, 6);
  EXPECT_EQ(dc.Log(), "bitmap 4 5 6\n");
}
