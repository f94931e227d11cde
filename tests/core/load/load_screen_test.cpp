// The load screen: its static parts, the progress bars, the check results and the redraw, as
// drawing logs.

#include <gtest/gtest.h>

#include <filesystem>

#include "load/checks.h"
#include "load/file_reader.h"
#include "platform/services.h"
#include "support/edbs_lines.h"
#include "support/golden.h"

using namespace testing_edbs;

namespace {

std::string Otex(const std::string& text18) { return Line("BINF", "ULOTEX  ", "0001" + text18); }

class LoadScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProgram();
    edbs::SetPrompt(&prompt);
  }
  void TearDown() override { edbs::SetPrompt(nullptr); }

  int Records() const { return g_store.GetRecordCount(); }
  // The text of the first drawn text line at (x, y).
  static std::string TextAt(const edbs::RecordingCanvas& dc, int x, int y) {
    const std::string at = "text " + std::to_string(x) + " " + std::to_string(y) + " ";
    for (const auto& l : dc.Lines()) {
      if (l.starts_with(at)) return l.substr(l.find(" | ") + 3);
    }
    return "<nichts>";
  }
  // Loads the example by its name in the examples folder, so that every checkout draws the same.
  static void LoadExample(edbs::Canvas& dc) {
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(SATZLUPE_EXAMPLES);
    Load("beispiel.edbs", dc);
    std::filesystem::current_path(previous);
  }

  TempDir dir;
  edbs::ScriptedPrompt prompt;
};

}  // namespace

TEST_F(LoadScreen, LoadOfTheExampleIsPinned) {
  edbs::RecordingCanvas dc;
  LoadExample(dc);
  ExpectGolden("load/load_screen_beispiel.txt", dc.Log());
}

TEST_F(LoadScreen, RedrawOfTheExampleIsPinned) {
  edbs::NullCanvas load;
  LoadExample(load);
  edbs::RecordingCanvas dc;
  PerformPendingLoad(dc);
  ExpectGolden("load/load_screen_redraw_beispiel.txt", dc.Log());
}

TEST_F(LoadScreen, ReadBarCountsTheLineFeedOfEveryLine) {
  // Ten lines of 40 characters: 410 bytes; each line adds 40 + 1 (line feed) + 1.
  std::vector<std::string> lines(10, Line("FEIN", "ULOBNN  ", "0000"));
  ASSERT_EQ(lines[0].size(), 40u);
  edbs::RecordingCanvas dc;
  Load(dir.Write("a.edbs", Join(lines)), dc);
  std::vector<std::string> fills;
  for (const auto& l : dc.Lines()) {
    if (l.starts_with("fillrect 120 102 ")) fills.push_back(l.substr(17, l.find(' ', 17) - 17));
  }
  EXPECT_EQ(fills, (std::vector<std::string>{"180", "240", "300", "360", "420", "500", "560", "620", "680", "720"}));
}


TEST_F(LoadScreen, LongPathIsShortenedInTheMiddleToFitTheBox) {
  std::string folder = dir.Path("");
  for (int k = 0; k < 8; ++k) folder += "Unterordner_mit_langem_Namen_" + std::to_string(k) + "/";
  std::filesystem::create_directories(folder);
  const std::string path = folder + "ostritz_lieferung.edbs";
  std::FILE* f = std::fopen(path.c_str(), "wb");
  std::fclose(f);
  edbs::RecordingCanvas dc;
  Load(path, dc);
  const std::string text = TextAt(dc, 120, 85);
  ASSERT_TRUE(text.starts_with("Datei ") && text.ends_with(" lesen!")) << text;
  const std::string shown = text.substr(6, text.size() - 6 - 7);
  const std::size_t dots = shown.find("...");
  ASSERT_NE(dots, std::string::npos) << text;
  EXPECT_TRUE(path.starts_with(shown.substr(0, dots)));
  EXPECT_TRUE(path.ends_with(shown.substr(dots + 3)));
  EXPECT_TRUE(shown.ends_with("/ostritz_lieferung.edbs")) << text;
  // The recording surface draws 7 pixels a letter at this height: up to the bars' right end.
  EXPECT_LE(120 + 7 * static_cast<int>(text.size()), 721);
  EXPECT_GT(120 + 7 * static_cast<int>(text.size() + 1), 721);
}

TEST_F(LoadScreen, ShortPathStaysWhole) {
  edbs::RecordingCanvas dc;
  const std::string path = dir.Write("a.edbs", Join({Otex("eins              ")}));
  Load(path, dc);
  EXPECT_EQ(TextAt(dc, 120, 85), "Datei " + path + " lesen!");
}

TEST_F(LoadScreen, CountsOfSixAndMoreDigitsKeepOutOfTheLabels) {
  edbs::RecordingCanvas dc;
  edbs::Font font;
  font.height = 15;
  font.weight = 100;
  dc.SelectFont(font);
  // The room is 45 pixels; the recording surface draws 7 pixels a digit at this height.
  DrawCheckResult(dc, 175, 123456);
  DrawCheckResult(dc, 190, 1234567);
  DrawCheckResult(dc, 205, 2147483647);
  const auto& l = dc.Lines();
  ASSERT_EQ(l.size(), 9u);
  EXPECT_EQ(l[0], "text 70 175 font \"Arial\" 15 0 100 0 0 color 0,0,0 align lt bk o | 123456");
  EXPECT_EQ(l[3], "text 70 190 font \"Arial\" 15 6 100 0 0 color 0,0,0 align lt bk o | 1234567");
  EXPECT_EQ(l[6], "text 70 205 font \"Arial\" 15 4 100 0 0 color 0,0,0 align lt bk o | 2147483647");
  EXPECT_EQ(dc.GetFont(), font);
}

TEST_F(LoadScreen, LoadScreenIsDrawnAtItsPositions) {
  edbs::RecordingCanvas dc;
  Load(dir.Write("a.edbs", Join({Otex("eins              ")})), dc);
  const auto& l = dc.Lines();
  const std::string font = " font \"Arial\" 15 0 100 0 0 color 0,0,0 align lt bk t | ";
  ASSERT_GE(l.size(), 30u);
  EXPECT_EQ(l[0], "rectangle 50 50 750 140 pen 1 0,0,0 brush 255,255,255");
  EXPECT_EQ(l[1], "text 120 55" + font + "Vorhandene Daten l\xC3\xB6schen");
  EXPECT_EQ(l[2], "rectangle 119 71 721 83 pen 1 0,0,0 brush 255,255,255");
  EXPECT_EQ(l[3], "text 120 85" + font + "Datei " + dir.Path("a.edbs") + " lesen!");
  EXPECT_EQ(l[4], "rectangle 119 101 721 113 pen 1 0,0,0 brush 255,255,255");
  EXPECT_EQ(l[5], "rectangle 50 150 750 360 pen 1 0,0,0 brush 255,255,255");
  EXPECT_EQ(l[6], "line 50 170 750 170 pen 1 0,0,0");
  EXPECT_EQ(l[7], "text 70 155" + font + "Fehler     Pr\xC3\xBC" "fung");
  EXPECT_EQ(l[8], "text 120 175" + font + "Zeilenl\xC3\xA4ngen");
  EXPECT_EQ(l[19], "text 120 340" + font + "Reihenfolge der S\xC3\xA4tze AKND/BKRT/BINF/OTEX/.../AEND");
  EXPECT_EQ(l[20], "rectangle 50 370 750 425 pen 1 0,0,0 brush 255,255,255");
  EXPECT_EQ(l[21], "text 120 375" + font + "Analyse der Satzinhalte");
  EXPECT_EQ(l[22], "rectangle 119 391 721 403 pen 1 0,0,0 brush 255,255,255");
  // The store was empty, so the read bar comes next; one line of 59 characters is 60 of 60.
  EXPECT_EQ(l[23], "fillrect 120 102 720 112 brush 0,0,255");
  EXPECT_EQ(l[24], "text 120 115" + font + "1 Zeilen gelesen mit 59 Zeichen");
  // Row 1: count and green tick.
  EXPECT_EQ(l[25], "text 70 175" + font + "0");
  EXPECT_EQ(l[26], "line 55 180 58 185 pen 2 0,255,0");
  EXPECT_EQ(l[27], "line 58 185 65 175 pen 2 0,255,0");
  EXPECT_EQ(l.back(), "text 120 405" + font + "1 EDBS-S\xC3\xA4tze mit 3 Aggregaten");
}

TEST_F(LoadScreen, FailedCheckDrawsARedCross) {
  edbs::RecordingCanvas dc;
  DrawCheckResult(dc, 235, 3);
  EXPECT_EQ(dc.Log(),
            "text 70 235 font \"Arial\" 0 0 400 0 0 color 0,0,0 align lt bk o | 3\n"
            "line 55 235 65 245 pen 2 255,0,0\n"
            "line 55 245 65 235 pen 2 255,0,0\n");
}

TEST_F(LoadScreen, RedrawShowsTheResultsOfTheLastLoad) {
  Load(dir.Write("a.edbs", Join({Otex("eins              "), Line("FEIN", "ULXXNN  ", "")})));
  edbs::RecordingCanvas dc;
  PerformPendingLoad(dc);  // code 5
  const std::string log = dc.Log();
  EXPECT_NE(log.find("fillrect 120 72 720 82 brush 0,0,255"), std::string::npos);
  EXPECT_NE(log.find("fillrect 120 102 720 112 brush 0,0,255"), std::string::npos);
  EXPECT_NE(log.find("fillrect 120 392 720 402 brush 0,0,255"), std::string::npos);
  EXPECT_NE(log.find("| 2 Zeilen gelesen mit"), std::string::npos);
  EXPECT_NE(log.find("line 55 235 65 245 pen 2 255,0,0"), std::string::npos);  // row 5 crossed
  EXPECT_NE(log.find("line 55 255 58 260 pen 2 0,255,0"), std::string::npos);  // row 6 ticked
  EXPECT_EQ(g_pendingAction, kPendingLoadScreen);
  EXPECT_EQ(Records(), 2);
}

TEST_F(LoadScreen, ClearingTheStoreDrawsTheDeleteBarForEveryRecordFromTheSecond) {
  Load(dir.Write("a.edbs", Join({Otex("a                 "), Otex("b                 "), Otex("c                 "),
                                 Otex("d                 ")})));
  edbs::RecordingCanvas dc;
  g_store.ClearAll(&dc);
  EXPECT_EQ(dc.Log(),
            "fillrect 120 72 275 82 brush 255,255,255\n"
            "fillrect 120 72 430 82 brush 255,255,255\n"
            "fillrect 120 72 585 82 brush 255,255,255\n");
  for (const auto& slot : g_loadedFiles) EXPECT_EQ(slot, "");
}

TEST_F(LoadScreen, ClearAllOnAnEmptyStoreStillEmptiesTheFileSlots) {
  g_loadedFiles[3] = "x";
  g_store.ClearAll();
  EXPECT_EQ(g_loadedFiles[3], "");
}
