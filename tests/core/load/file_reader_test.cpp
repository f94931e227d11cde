#include "load/file_reader.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <thread>

#include "load/checks.h"
#include "platform/profile.h"
#include "platform/services.h"
#include "support/edbs_lines.h"

using namespace testing_edbs;

namespace {

// A user-text record: four digits of text lines, then 18 characters per line.
std::string Otex(const std::string& text18) { return Line("BINF", "ULOTEX  ", "0001" + text18); }

class FileReader : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProgram();
    edbs::SetPrompt(&prompt);
  }
  void TearDown() override { edbs::SetPrompt(nullptr); }

  int Records() const { return g_store.GetRecordCount(); }
  // The text of the user-text part of record i (its last part).
  std::string OtexText(int i) const {
    int selector = -1;
    return g_store.Record(i).GetPartListText(g_store.GetPartCount(i) - 1, selector);
  }

  TempDir dir;
  edbs::ScriptedPrompt prompt;
};

}  // namespace

TEST_F(FileReader, EmptyLinesCountButMakeNoEntry) {
  Load(dir.Write("a.edbs", Join({Otex("eins              "), "", Otex("zwei              "), ""})));
  EXPECT_EQ(g_lineCount, 4);
  EXPECT_EQ(g_edbsLineCount, 2);
  EXPECT_EQ(Records(), 2);
  EXPECT_EQ(g_store.GetLineNumber(1), 3);
}

TEST_F(FileReader, FirstLineWithoutEdbsBecomesAnEntryWithFlagOne) {
  Load(dir.Write("a.edbs", Join({"Kopfzeile ohne Kennung", Otex("x                 ")})));
  ASSERT_EQ(Records(), 2);
  EXPECT_EQ(g_store.GetCheckFlags(0) & kBitNoEdbsStart, kBitNoEdbsStart);
  EXPECT_EQ(g_store.GetCheckFlags(1) & kBitNoEdbsStart, 0);
}

TEST_F(FileReader, EdbsInAnyCaseStartsAnEntry) {
  std::string lower = Otex("klein             ");
  lower.replace(0, 4, "eDbS");
  Load(dir.Write("a.edbs", Join({Otex("x                 "), lower})));
  EXPECT_EQ(g_edbsLineCount, 2);
}

TEST_F(FileReader, ContinuationChainBecomesOneRecordAtItsFirstLine) {
  std::vector<std::string> lines;
  for (int k = 0; k < 9; ++k) lines.push_back(Otex("vorher            "));
  lines.push_back(Line("BINF", "ULOTEX  ", "0003Anfang            ", 'A'));
  lines.push_back(Line("BINF", "ULOTEX  ", "Mitte             ", 'F'));
  lines.push_back(Line("BINF", "ULOTEX  ", "Ende              ", 'E'));
  Load(dir.Write("a.edbs", Join(lines)));
  ASSERT_EQ(Records(), 10);
  EXPECT_EQ(g_store.GetLineNumber(9), 10);
  EXPECT_EQ(g_store.GetParseResult(9), 0);
  EXPECT_EQ(OtexText(9), "Anfang            Mitte             Ende              ");
  EXPECT_EQ(g_edbsLineCount, 12);
}

TEST_F(FileReader, InterruptedChainAddsOnlyTheInterruptingLine) {
  Load(dir.Write("a.edbs", Join({Line("BINF", "ULOTEX  ", "0002Anfang            ", 'A'),
                                 Line("BINF", "ULOTEX  ", "Mitte             ", 'F'), Otex("allein            ")})));
  ASSERT_EQ(Records(), 1);
  EXPECT_EQ(g_store.GetLineNumber(0), 3);
}

TEST_F(FileReader, OpenChainAtTheEndAddsNothing) {
  Load(dir.Write("a.edbs", Join({Otex("x                 "), Line("BINF", "ULOTEX  ", "0002Anfang            ", 'A')})));
  EXPECT_EQ(Records(), 1);
  EXPECT_EQ(g_edbsLineCount, 2);
}

TEST_F(FileReader, ContinuationWithoutStartOpensAChain) {
  Load(dir.Write("a.edbs", Join({Line("BINF", "ULOTEX  ", "0002Erste             ", 'F'),
                                 Line("BINF", "ULOTEX  ", "Zweite            ", 'E')})));
  ASSERT_EQ(Records(), 1);
  EXPECT_EQ(g_store.GetLineNumber(0), 1);
  EXPECT_EQ(OtexText(0), "Erste             Zweite            ");
}

TEST_F(FileReader, EndWithoutStartStandsAlone) {
  Load(dir.Write("a.edbs", Join({Line("BINF", "ULOTEX  ", "0001Allein            ", 'E')})));
  ASSERT_EQ(Records(), 1);
  EXPECT_EQ(OtexText(0), "Allein            ");
}

TEST_F(FileReader, NewStartDropsTheOpenChain) {
  Load(dir.Write("a.edbs", Join({Line("BINF", "ULOTEX  ", "0002Alt               ", 'A'),
                                 Line("BINF", "ULOTEX  ", "0002Neu               ", 'A'),
                                 Line("BINF", "ULOTEX  ", "Ende              ", 'E')})));
  ASSERT_EQ(Records(), 1);
  EXPECT_EQ(g_store.GetLineNumber(0), 2);
  EXPECT_EQ(OtexText(0), "Neu               Ende              ");
}

TEST_F(FileReader, ALineOfExactly2000CharactersIsOneLine) {
  const std::string full = Line("FEIN", "ULOBNN  ", std::string(2000 - 36, 'x'));
  ASSERT_EQ(full.size(), 2000u);
  Load(dir.Write("a.edbs", Join({full, full, Otex("x                 ")})));
  EXPECT_EQ(g_lineCount, 3);
  EXPECT_EQ(g_edbsLineCount, 3);
  EXPECT_EQ(g_checkCounts[1], 0);  // the length field fits the whole line
}

TEST_F(FileReader, LongerLinesArriveInPiecesAndAreRejoined) {
  const std::string longLine = Line("FEIN", "ULOBNN  ", std::string(2500 - 36, 'y'));
  Load(dir.Write("a.edbs", Join({longLine})));
  EXPECT_EQ(g_lineCount, 2);
  EXPECT_EQ(g_edbsLineCount, 1);
  EXPECT_EQ(g_checkCounts[1], 0);
}

TEST_F(FileReader, CrLfAndLfGiveTheSameResults) {
  const std::vector<std::string> lines = {Otex("eins              "), "", Line("FEIN", "ULOBNN  ", "0002"),
                                          Otex("zwei\r              ")};
  Load(dir.Write("lf.edbs", Join(lines, "\n")));
  const auto messages = g_errorMessages;
  const auto records = g_errorRecords;
  const auto lines1 = g_lineCount;
  const auto size1 = g_fileSize;
  const std::string text = OtexText(2);
  Load(dir.Write("crlf.edbs", Join(lines, "\r\n")));
  EXPECT_EQ(g_errorMessages, messages);
  EXPECT_EQ(g_errorRecords, records);
  EXPECT_EQ(g_lineCount, lines1);
  EXPECT_EQ(OtexText(2), text);  // a lone CR inside a line stays a character
  EXPECT_EQ(g_fileSize, size1 + 4);  // the size is what the file system reports
}

TEST_F(FileReader, CtrlZEndsTheFile) {
  Load(dir.Write("a.edbs", Join({Otex("eins              ")}) + "\x1A" + Join({Otex("zwei              ")})));
  EXPECT_EQ(g_lineCount, 1);
  EXPECT_EQ(Records(), 1);
}

TEST_F(FileReader, NulBytesAreOrdinaryCharacters) {
  std::string text = "nul";
  text += '\0';
  text += "im Text       ";
  ASSERT_EQ(text.size(), 18u);
  Load(dir.Write("a.edbs", Join({Otex(text)})));
  EXPECT_EQ(g_checkCounts[1], 0);
  EXPECT_EQ(OtexText(0), text);
}

TEST_F(FileReader, UnknownFileSizeIsReportedAndReadingGoesOn) {
  // A named pipe has no size in the file system.
  const std::string fifo = dir.Path("rohr.edbs");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::thread writer([&] {
    std::FILE* f = std::fopen(fifo.c_str(), "wb");
    const std::string text = Join({Otex("eins              "), Otex("zwei              ")});
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
  });
  Load(fifo);
  writer.join();
  EXPECT_EQ(prompt.messages, std::vector<std::string>{"Probleme beim Lesen der Dateil\xE4nge!"});
  EXPECT_EQ(g_fileSize, 9999999);
  EXPECT_EQ(Records(), 2);
}

TEST_F(FileReader, FileWithoutFinalLineEnd) {
  Load(dir.Write("a.edbs", Otex("eins              ") + "\n" + Otex("zwei              ")));
  EXPECT_EQ(g_lineCount, 2);
  EXPECT_EQ(Records(), 2);
}

TEST_F(FileReader, EmptyFileLoadsNothingAndReportsNothing) {
  edbs::RecordingCanvas dc;
  Load(dir.Write("a.edbs", ""), dc);
  EXPECT_EQ(g_lineCount, 0);
  EXPECT_EQ(g_fileSize, 0);
  EXPECT_EQ(Records(), 0);
  EXPECT_TRUE(g_errorMessages.empty());
  EXPECT_EQ(g_pendingAction, kPendingLoadScreen);
}

TEST_F(FileReader, MissingFileIsReportedOnceAndKeepsTheRecords) {
  Load(dir.Write("a.edbs", Join({Otex("eins              ")})));
  g_store.ApplyFilterCriterion(kCritFehler, 0, 0);  // the lone record lacks AKND and AEND
  ASSERT_EQ(g_filterCount, 1);
  const auto errors = g_errorMessages;
  Load(dir.Path("fehlt.edbs"));
  EXPECT_EQ(prompt.messages, std::vector<std::string>{"Datei nicht gefunden!"});
  EXPECT_EQ(Records(), 1);
  EXPECT_EQ(g_filterCount, 0);
  EXPECT_EQ(g_errorMessages, errors);
  EXPECT_EQ(g_loadScreenValid, 0);
  EXPECT_EQ(g_recentFiles[0], dir.Path("a.edbs"));
  // The next repaint neither retries nor shows the load screen.
  EXPECT_EQ(g_pendingAction, kPendingNothing);
  edbs::RecordingCanvas dc;
  g_pendingAction = kPendingLoadScreen;
  PerformPendingLoad(dc);
  EXPECT_TRUE(dc.Lines().empty());
  EXPECT_EQ(prompt.messages.size(), 1u);
}

TEST_F(FileReader, AFolderIsNotAFile) {
  Load(dir.Path(""));
  EXPECT_EQ(prompt.messages, std::vector<std::string>{"Datei nicht gefunden!"});
  EXPECT_EQ(g_loadScreenValid, 0);
}

TEST_F(FileReader, AddingTheSameFileTwiceGivesTwoFileIndexes) {
  const std::string path = dir.Write("a.edbs", Join({Otex("eins              ")}));
  Load(path);
  Load(path, /*add=*/true);
  ASSERT_EQ(Records(), 2);
  EXPECT_EQ(g_store.GetFileIndex(0), 0);
  EXPECT_EQ(g_store.GetFileIndex(1), 1);
  EXPECT_EQ(g_loadedFiles[1], path);
  EXPECT_EQ(g_recentFiles[0], path);
  EXPECT_EQ(g_recentFiles[1], "");
  EXPECT_EQ(g_storeWasCleared, 0);
}

TEST_F(FileReader, OpenAfterLoadsClearsStoreAndSlots) {
  const std::string a = dir.Write("a.edbs", Join({Otex("eins              ")}));
  const std::string b = dir.Write("b.edbs", Join({Otex("zwei              "), Otex("drei              ")}));
  Load(a);
  Load(a, true);
  Load(b);
  EXPECT_EQ(Records(), 2);
  EXPECT_EQ(g_loadedFiles[0], b);
  EXPECT_EQ(g_loadedFiles[1], "");
  EXPECT_EQ(g_storeWasCleared, 1);
}

TEST_F(FileReader, TheHundredthFileSharesTheLastSlot) {
  const std::string a = dir.Write("a.edbs", Join({Otex("eins              ")}));
  Load(a);
  for (int k = 1; k < 101; ++k) Load(a, true);
  EXPECT_EQ(g_store.GetFileIndex(98), 98);
  EXPECT_EQ(g_store.GetFileIndex(99), 99);
  EXPECT_EQ(g_store.GetFileIndex(100), 99);
  EXPECT_EQ(g_loadedFiles[99], "");
}

TEST(RecentFiles, MostRecentFirstWithoutDuplicates) {
  for (auto& f : g_recentFiles) f.clear();
  for (int k = 0; k < 21; ++k) RememberRecentFile("f" + std::to_string(k));
  EXPECT_EQ(g_recentFiles[0], "f20");
  EXPECT_EQ(g_recentFiles[19], "f1");  // f0 dropped out
  RememberRecentFile("f10");
  EXPECT_EQ(g_recentFiles[0], "f10");
  EXPECT_EQ(g_recentFiles[1], "f20");
  EXPECT_EQ(g_recentFiles[19], "f1");
}

TEST(RecentFiles, ProfileRoundTripAndTheMissingMarker) {
  edbs::MemoryProfile profile;
  for (auto& f : g_recentFiles) f.clear();
  LoadRecentFiles(profile);
  for (const auto& f : g_recentFiles) EXPECT_EQ(f, "");
  profile.WriteString("Dateinamen", "MRUListname00", "/daten/x.edbs");
  profile.WriteString("Dateinamen", "MRUListname01", "xxx");
  LoadRecentFiles(profile);
  EXPECT_EQ(g_recentFiles[0], "/daten/x.edbs");
  EXPECT_EQ(g_recentFiles[1], "");
  SaveRecentFiles(profile);
  EXPECT_TRUE(profile.Has("Dateinamen", "MRUListname19"));
  EXPECT_EQ(profile.GetString("Dateinamen", "MRUListname01", "?"), "");
}

// ---- the load screen ----

TEST_F(FileReader, LoadScreenIsDrawnAtItsPositions) {
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

TEST_F(FileReader, FailedCheckDrawsARedCross) {
  edbs::RecordingCanvas dc;
  DrawCheckResult(dc, 235, 3);
  EXPECT_EQ(dc.Log(),
            "text 70 235 font \"Arial\" 0 0 400 0 0 color 0,0,0 align lt bk o | 3\n"
            "line 55 235 65 245 pen 2 255,0,0\n"
            "line 55 245 65 235 pen 2 255,0,0\n");
}

TEST_F(FileReader, RedrawShowsTheResultsOfTheLastLoad) {
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

TEST_F(FileReader, ClearingTheStoreDrawsTheDeleteBarForEveryRecordFromTheSecond) {
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

TEST_F(FileReader, ClearAllOnAnEmptyStoreStillEmptiesTheFileSlots) {
  g_loadedFiles[3] = "x";
  g_store.ClearAll();
  EXPECT_EQ(g_loadedFiles[3], "");
}
