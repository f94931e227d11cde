#include "load/file_reader.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <thread>

#include "load/checks.h"
#include "platform/profile.h"
#include "platform/services.h"
#include "records/filter_criteria.h"
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

namespace {
// The findings of the record analysis (row 13) of the last load.
std::vector<std::string> AnalysisFindings() {
  std::vector<std::string> out;
  for (const auto& m : g_errorMessages) {
    if (m.compare(8, 12, "Satzanalyse ") == 0) out.push_back(m);
  }
  return out;
}
}  // namespace

TEST_F(FileReader, InterruptedChainAddsOnlyTheInterruptingLineAndReportsTheDroppedChain) {
  const std::string start = Line("BINF", "ULOTEX  ", "0002Anfang            ", 'A');
  const std::string middle = Line("BINF", "ULOTEX  ", "Mitte             ", 'F');
  Load(dir.Write("a.edbs", Join({Otex("davor             "), start, middle, Otex("allein            ")})));
  ASSERT_EQ(Records(), 2);
  EXPECT_EQ(g_store.GetLineNumber(1), 4);
  EXPECT_EQ(AnalysisFindings(),
            std::vector<std::string>{"       2Satzanalyse Folgesatzkette ohne Endesatz verworfen (Zeilen: 2)!"});
  EXPECT_EQ(g_errorRecords.back(), start + middle.substr(36));
  EXPECT_EQ(g_checkCounts[13], 1);
}

TEST_F(FileReader, OpenChainAtTheEndAddsNothingAndIsReported) {
  const std::string start = Line("BINF", "ULOTEX  ", "0002Anfang            ", 'A');
  Load(dir.Write("a.edbs", Join({Otex("x                 "), start})));
  EXPECT_EQ(Records(), 1);
  EXPECT_EQ(g_edbsLineCount, 2);
  EXPECT_EQ(AnalysisFindings(),
            std::vector<std::string>{"       2Satzanalyse Folgesatzkette ohne Endesatz verworfen (Zeilen: 1)!"});
  EXPECT_EQ(g_errorRecords.back(), start);
  EXPECT_EQ(g_checkCounts[13], 1);
}

TEST_F(FileReader, DroppedChainStandsInRecordOrderAmongTheAnalysisFindings) {
  // A record that fails its analysis, a chain dropped by the next A line, another failing record.
  const std::string faulty = Line("FEIN", "ULOBNN  ", "0002");
  Load(dir.Write("a.edbs", Join({faulty, Line("BINF", "ULOTEX  ", "0002Alt               ", 'A'),
                                 Line("BINF", "ULOTEX  ", "0002Neu               ", 'A'),
                                 Line("BINF", "ULOTEX  ", "Ende              ", 'E'), faulty})));
  const std::vector<std::string> findings = AnalysisFindings();
  ASSERT_EQ(findings.size(), 3u);
  EXPECT_EQ(findings[0].substr(0, 8), "       1");
  EXPECT_EQ(findings[1], "       2Satzanalyse Folgesatzkette ohne Endesatz verworfen (Zeilen: 1)!");
  EXPECT_EQ(findings[2].substr(0, 8), "       5");
  EXPECT_EQ(g_checkCounts[13], 3);
}

TEST_F(FileReader, ChainMarkedOnlyWhereTheJoinerLooksIsNotLostSilently) {
  // As in the real deliveries: the markers stand at offset 22, offset 23 is blank, so the checks
  // of the continuation markers see nothing; the dropped chain must still show.
  std::vector<std::string> lines = {Line("AKND", "ULQA0000", "0001" + std::string(258, ' ')),
                                    Line("BINF", "ULOTEX  ", "0003Anfang            ", 'A'),
                                    Line("BINF", "ULOTEX  ", "Mitte             ", 'F'),
                                    Line("AEND", "        ", "")};
  Load(dir.Write("a.edbs", Join(lines)));
  for (int row = 1; row <= 12; ++row) EXPECT_EQ(g_checkCounts[row], 0) << "row " << row;
  EXPECT_EQ(g_checkCounts[13], 1);
  EXPECT_EQ(g_errorMessages, std::vector<std::string>{
                                 "       2Satzanalyse Folgesatzkette ohne Endesatz verworfen (Zeilen: 2)!"});
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
  EXPECT_EQ(AnalysisFindings(),
            std::vector<std::string>{"       1Satzanalyse Folgesatzkette ohne Endesatz verworfen (Zeilen: 1)!"});
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
  EXPECT_EQ(g_lineCount, 1);
  EXPECT_EQ(g_edbsLineCount, 1);
  EXPECT_EQ(g_checkCounts[1], 0);
}

TEST_F(FileReader, ALongLineShiftsNoLaterLineNumber) {
  // Line 2 is read in three pieces; the unknown name on line 3 is still reported at line 3.
  const std::string longLine = Line("FEIN", "ULOBNN  ", std::string(5000 - 36, 'y'));
  Load(dir.Write("a.edbs", Join({Otex("eins              "), longLine, Line("FEIN", "ULXYNN  ", "0000")})));
  EXPECT_EQ(g_lineCount, 3);
  ASSERT_EQ(Records(), 3);
  EXPECT_EQ(g_store.GetLineNumber(2), 3);
  const std::vector<std::string> messages = AllErrorMessages();
  const auto name = std::find_if(messages.begin(), messages.end(),
                                 [](const std::string& m) { return m.compare(8, 12, "Informa.name") == 0; });
  ASSERT_NE(name, messages.end());
  EXPECT_EQ(name->substr(0, 8), "       3");
}

TEST_F(FileReader, AHugeSingleLineIsOneLineRead) {
  const std::string huge = Line("FEIN", "ULOBNN  ", std::string(1000000, 'z'));
  Load(dir.Write("a.edbs", huge));
  EXPECT_EQ(g_lineCount, 1);
  EXPECT_EQ(g_edbsLineCount, 1);
  EXPECT_EQ(LinesReadText(), "1 Zeilen gelesen mit " + std::to_string(huge.size()) + " Zeichen");
}

TEST_F(FileReader, APieceBeginningWithEdbsIsAnEntryWithTheNumberOfItsLine) {
  // Line 1 holds two records without a line end between them; the second begins right at the
  // 2000-character boundary, so it arrives as a piece of its own.
  const std::string first = Line("FEIN", "ULOBNN  ", std::string(2000 - 36, 'x'));
  const std::string second = Otex("zweiter          ");
  Load(dir.Write("a.edbs", Join({first + second, Otex("dritter           ")})));
  EXPECT_EQ(g_lineCount, 2);
  ASSERT_EQ(g_edbsLineCount, 3);
  ASSERT_EQ(Records(), 3);
  EXPECT_EQ(g_store.GetLineNumber(0), 1);
  EXPECT_EQ(g_store.GetLineNumber(1), 1);
  EXPECT_EQ(g_store.GetLineNumber(2), 2);
}

TEST_F(FileReader, CrLfAndLfGiveTheSameResults) {
  const std::vector<std::string> lines = {Otex("eins              "), "", Line("FEIN", "ULOBNN  ", "0002"),
                                          Otex("zwei\r              ")};
  Load(dir.Write("lf.edbs", Join(lines, "\n")));
  const std::vector<std::string> messages = AllErrorMessages();
  const std::vector<std::string> records = AllErrorRecords();
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

TEST_F(FileReader, EmptyFileDoesNotPass) {
  edbs::RecordingCanvas dc;
  Load(dir.Write("a.edbs", ""), dc);
  EXPECT_EQ(g_lineCount, 0);
  EXPECT_EQ(g_fileSize, 0);
  EXPECT_EQ(Records(), 0);
  EXPECT_EQ(g_errorMessages, (std::vector<std::string>{"       0AKND - AEND 1.Satz ist kein AKND-Satz!",
                                                       "       0AKND - AEND Letzter Satz ist kein AEND-Satz!"}));
  EXPECT_EQ(g_errorRecords, (std::vector<std::string>{"", ""}));
  EXPECT_EQ(g_checkCounts[11], 2);
  EXPECT_EQ(g_pendingAction, kPendingLoadScreen);
}

TEST_F(FileReader, FileOfEmptyLinesDoesNotPass) {
  Load(dir.Write("a.edbs", "\n\r\n\n"));
  EXPECT_EQ(g_lineCount, 3);
  EXPECT_EQ(g_edbsLineCount, 0);
  EXPECT_EQ(g_checkCounts[11], 2);
  ASSERT_EQ(g_errorMessages.size(), 2u);
  EXPECT_EQ(g_errorMessages[1], "       0AKND - AEND Letzter Satz ist kein AEND-Satz!");
}

TEST_F(FileReader, MissingFileIsReportedOnceAndKeepsTheRecords) {
  Load(dir.Write("a.edbs", Join({Otex("eins              ")})));
  g_store.ApplyFilterCriterion(kCritFehler, 0, 0);  // the lone record lacks AKND and AEND
  ASSERT_EQ(g_filterCount, 1);
  const std::vector<std::string> errors = AllErrorMessages();
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
