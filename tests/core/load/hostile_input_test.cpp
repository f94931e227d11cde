// Input that a user should never meet but will: each gives a clear message where the desktop
// program shows one, keeps what was loaded before and neither crashes nor hangs. (The empty file,
// a file of blank lines and a folder are in file_reader_test.cpp.)

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>

#include "load/checks.h"
#include "load/error_list.h"
#include "platform/services.h"
#include "records/filter_criteria.h"
#include "support/edbs_lines.h"
#include "support/hostile.h"
#include "views/export.h"
#include "views/program_state.h"

using namespace testing_edbs;

namespace {

std::string Otex(const std::string& text18) { return Line("BINF", "ULOTEX  ", "0001" + text18); }

// A small file that loads without a finding but the missing AKND and AEND lines.
std::string TwoRecords() { return Join({Otex("eins              "), Otex("zwei              ")}); }

// The entries of the error list about the reading itself.
std::vector<std::string> ReadingFindings() {
  std::vector<std::string> out;
  for (const auto& m : g_errorMessages) {
    if (m.compare(8, 12, "Lesen       ") == 0) out.push_back(m);
  }
  return out;
}

class HostileInput : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProgramState();
    edbs::SetPrompt(&prompt);
  }
  void TearDown() override {
    edbs::SetPrompt(nullptr);
    edbs::SetCancel(nullptr);
    ResetProgramState();
  }
  // Loads two records from a file first, as what must survive.
  void LoadSomethingFirst() {
    Load(dir.Write("vorher.edbs", TwoRecords()));
    ASSERT_EQ(g_store.GetRecordCount(), 2);
    prompt.messages.clear();
  }

  TempDir dir;
  edbs::ScriptedPrompt prompt;
};

}  // namespace

TEST_F(HostileInput, OnlyCarriageReturnsAreOneLineOfCharacters) {
  // A lone CR is no line end: the file is one line that is no EDBS line.
  Load(dir.Write("cr.edbs", std::string(5000, '\r')));
  EXPECT_EQ(g_lineCount, 1);
  EXPECT_EQ(g_edbsLineCount, 1);
  ASSERT_EQ(g_store.GetRecordCount(), 1);
  EXPECT_EQ(g_store.GetCheckFlags(0) & kBitNoEdbsStart, kBitNoEdbsStart);
  EXPECT_EQ(g_loadEnd, LoadEnd::kComplete);
  EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(HostileInput, BinaryGarbageWithNulBytesLoadsAsText) {
  std::string garbage;
  std::uint32_t x = 12345;
  for (int k = 0; k < 200000; ++k) {
    x = x * 1103515245u + 12345u;
    char c = static_cast<char>(x >> 24);
    if (c == '\x1A') c = '\0';  // a Ctrl-Z would end the file early
    garbage += c;
  }
  garbage.replace(1000, 40, Line("FEIN", "ULOBNN  ", "0001"));
  Load(dir.Write("binaer.bin", garbage));
  EXPECT_EQ(g_loadEnd, LoadEnd::kComplete);
  EXPECT_GT(g_store.GetRecordCount(), 0);
  EXPECT_EQ(g_fileSize, 200000);
  EXPECT_TRUE(prompt.messages.empty());
  // Every view copes: the export of every record in both forms.
  EXPECT_FALSE(ReadableExportText(true).empty());
  EXPECT_FALSE(ReadableExportText(false).empty());
}

TEST_F(HostileInput, AFiftyMegabyteLineIsCutAndSaidSo) {
  const std::string huge = Line("FEIN", "ULOBNN  ", "") + std::string(50 << 20, 'z');
  const std::string after = Otex("danach            ");
  Load(dir.Write("lang.edbs", huge + "\n" + after + "\n"));
  EXPECT_EQ(g_lineCount, 2);
  ASSERT_EQ(g_store.GetRecordCount(), 2);
  EXPECT_EQ(g_loadEnd, LoadEnd::kComplete);
  EXPECT_EQ(LinesReadText(), "2 Zeilen gelesen mit " + std::to_string(huge.size() + after.size() + 2) + " Zeichen");
  EXPECT_EQ(ReadingFindings(), std::vector<std::string>{"       1Lesen       Zeile l\xE4nger als 4194304 Zeichen: "
                                                        "Der Rest der Zeile wurde nicht gelesen!"});
  EXPECT_EQ(g_store.GetLineNumber(1), 2);
  // The length check reports the line with the length that was kept.
  EXPECT_EQ(g_errorMessages[1], Format("       1Zeilenl\xE4nge Zeilenl\xE4nge stimmt nicht! ( 0024 <=> %d )",
                                       static_cast<int>(kMaxLineLength) - 12));
  EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(HostileInput, TenThousandContinuationLinesAreOneRecord) {
  // A user-text record whose start line holds the count and a text, followed by 10,000
  // continuation lines of one text each: one text more than the count says.
  std::vector<std::string> lines = {Line("BINF", "ULOTEX  ", "9999" + std::string(18, 'a'), 'A')};
  for (int k = 1; k < 10000; ++k) lines.push_back(Line("BINF", "ULOTEX  ", std::string(18, 'b'), 'F'));
  lines.push_back(Line("BINF", "ULOTEX  ", std::string(18, 'c'), 'E'));
  Load(dir.Write("kette.edbs", Join(lines)));
  EXPECT_EQ(g_edbsLineCount, 10001);
  ASSERT_EQ(g_store.GetRecordCount(), 1);
  EXPECT_EQ(g_store.GetLineNumber(0), 1);
  EXPECT_EQ(g_store.GetParseResult(0), 365);
  EXPECT_EQ(g_errorMessages.back(), "   10001Satzanalyse Analyse-Fehler 365 (WHF_ULOTEX  !=0001)!");
  EXPECT_EQ(g_errorRecords.back().size(), 36u + 4u + 18u * 10001u);
}

TEST_F(HostileInput, ALengthFieldOf9999IsReportedNotTrusted) {
  std::string line = Otex("neun              ");
  line.replace(4, 4, "9999");
  Load(dir.Write("9999.edbs", Join({line})));
  ASSERT_EQ(g_store.GetRecordCount(), 1);
  EXPECT_EQ(g_checkCounts[1], 1);
  EXPECT_EQ(g_checkCounts[2], 1);
  EXPECT_EQ(g_errorMessages[1], "       1maxima.L\xE4ngeDie maximale L\xE4nge stimmt nicht 9999 >1988!");
  EXPECT_EQ(g_store.GetParseResult(0), 0);
}

TEST_F(HostileInput, AFileWithoutReadPermissionSaysSoAndKeepsTheRecords) {
  LoadSomethingFirst();
  const std::string path = dir.Write("geheim.edbs", TwoRecords());
  ASSERT_EQ(chmod(path.c_str(), 0), 0);
  ASSERT_EQ(chmod(dir.Path("").c_str(), 0755), 0);
  {
    const AsOrdinaryUser user;
    Load(path);
  }
  EXPECT_EQ(prompt.messages, std::vector<std::string>{"Keine Berechtigung zum Lesen der Datei!"});
  EXPECT_EQ(g_store.GetRecordCount(), 2);
  EXPECT_EQ(g_loadedFiles[0], dir.Path("vorher.edbs"));
  EXPECT_EQ(g_recentFiles[0], dir.Path("vorher.edbs"));
}

TEST_F(HostileInput, AReadErrorInTheMiddleIsReportedAndWhatWasReadIsKept) {
  LoadSomethingFirst();
  std::FILE* failing = StreamFailingAfter(Join({Otex("drei              "), Otex("vier              "),
                                                Otex("f\xFCnf              ")}));
  edbs::NullCanvas dc;
  LoadFromStream(failing, "/netz/platte.edbs", true, dc);
  std::fclose(failing);
  const std::string message = "Lesefehler nach Zeile 3: Die Datei wurde nicht vollst\xE4ndig gelesen!";
  EXPECT_EQ(g_loadEnd, LoadEnd::kReadError);
  EXPECT_EQ(prompt.messages,
            (std::vector<std::string>{"Probleme beim Lesen der Dateil\xE4nge!", message}));
  EXPECT_EQ(g_store.GetRecordCount(), 5);
  EXPECT_EQ(ReadingFindings(), std::vector<std::string>{"       3Lesen       " + message});
  EXPECT_EQ(g_errorRecords[0], "/netz/platte.edbs");
}

TEST_F(HostileInput, AReadErrorAtTheStartIsNoEmptyFile) {
  // The kernel refuses to read the first page of the process's memory.
  Load("/proc/self/mem");
  EXPECT_EQ(g_loadEnd, LoadEnd::kReadError);
  EXPECT_EQ(prompt.messages.back(), "Lesefehler nach Zeile 0: Die Datei wurde nicht vollst\xE4ndig gelesen!");
}

TEST_F(HostileInput, ExportToAReadOnlyFolderSaysItCannotOpenTheFile) {
  LoadSomethingFirst();
  const std::string folder = dir.Path("nurlesen");
  std::filesystem::create_directory(folder);
  ASSERT_EQ(chmod(dir.Path("").c_str(), 0755), 0);
  ASSERT_EQ(chmod(folder.c_str(), 0555), 0);
  bool written = true;
  {
    const AsOrdinaryUser user;
    written = WriteReadableExport(folder + "/export.txt");
  }
  EXPECT_FALSE(written);
  EXPECT_EQ(prompt.messages, std::vector<std::string>{"Datei kann nicht ge\xF6""ffnet werden!"});
  EXPECT_FALSE(std::filesystem::exists(folder + "/export.txt"));
  EXPECT_EQ(g_store.GetRecordCount(), 2);
}

TEST_F(HostileInput, ExportToAFullDiskSaysTheWritingFailed) {
  LoadSomethingFirst();
  EXPECT_FALSE(WriteReadableExport("/dev/full"));
  EXPECT_EQ(prompt.messages, std::vector<std::string>{"Fehler beim Schreiben der Datei!"});
  prompt.messages.clear();
  EXPECT_FALSE(WriteErrorList("/dev/full"));
  EXPECT_EQ(prompt.messages, std::vector<std::string>{"Fehler beim Schreiben der Datei!"});
  EXPECT_EQ(g_store.GetRecordCount(), 2);
}

TEST_F(HostileInput, DevZeroStopsAtTheReadLimitAndKeepsWhatWasLoadedBefore) {
  LoadSomethingFirst();
  g_unknownSizeReadLimit = 3 << 20;
  Load("/dev/zero", /*add=*/true);
  EXPECT_EQ(g_loadEnd, LoadEnd::kTooLong);
  const std::string message = "Die Eingabe endet nicht oder ist l\xE4nger als 3145728 Zeichen: Sie wurde nur bis "
                              "Zeile 1 gelesen!";
  EXPECT_EQ(prompt.messages, (std::vector<std::string>{"Probleme beim Lesen der Dateil\xE4nge!", message}));
  // The records of the file before, and the one line of NUL bytes.
  ASSERT_EQ(g_store.GetRecordCount(), 3);
  EXPECT_EQ(g_store.GetFileIndex(0), 0);
  EXPECT_EQ(g_store.GetFileIndex(2), 1);
  EXPECT_EQ(ReadingFindings(), std::vector<std::string>{"       1Lesen       " + message});
}

TEST_F(HostileInput, APipeThatNeverEndsStopsAtTheReadLimit) {
  const std::string fifo = dir.Path("endlos");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  signal(SIGPIPE, SIG_IGN);  // the writer learns from EPIPE that the reader has gone
  std::thread writer([&] {
    std::FILE* f = std::fopen(fifo.c_str(), "wb");
    const std::string line = Otex("immer weiter      ") + "\n";
    while (std::fwrite(line.data(), 1, line.size(), f) == line.size()) {
    }
    std::fclose(f);
  });
  g_unknownSizeReadLimit = 1 << 20;
  Load(fifo);
  writer.join();
  EXPECT_EQ(g_loadEnd, LoadEnd::kTooLong);
  const std::int64_t lineLength = static_cast<std::int64_t>(Otex("").size()) + 18 + 1;
  EXPECT_EQ(g_lineCount, (1 << 20) / lineLength + 1);  // the last one cut short by the limit
  EXPECT_EQ(g_store.GetRecordCount(), static_cast<int>(g_lineCount));
}

TEST_F(HostileInput, CancellingWhileReadingKeepsTheLinesReadSoFar) {
  LoadSomethingFirst();
  std::vector<std::string> lines(2000, Otex("abbrechen         "));
  edbs::CountdownCancel cancel(10);
  edbs::SetCancel(&cancel);
  Load(dir.Write("gross.edbs", Join(lines)), /*add=*/true);
  EXPECT_EQ(g_loadEnd, LoadEnd::kCancelled);
  EXPECT_GT(cancel.asked, 10);  // the lines read are still joined, with the question at every step
  ASSERT_GT(g_lineCount, 0);
  ASSERT_LT(g_lineCount, 2000);
  EXPECT_EQ(g_store.GetRecordCount(), 2 + static_cast<int>(g_lineCount));
  const std::string message =
      Format("Das Lesen wurde abgebrochen: Die Datei wurde nur bis Zeile %d gelesen!", static_cast<int>(g_lineCount));
  EXPECT_EQ(prompt.messages, std::vector<std::string>{message});
  EXPECT_EQ(ReadingFindings(), std::vector<std::string>{Format("%8d", static_cast<int>(g_lineCount)) + "Lesen       " +
                                                        message});
}

TEST_F(HostileInput, TheHundredAndFirstFileIsRefusedAndNothingChanges) {
  const std::string one = Join({Otex("eins              ")});
  edbs::NullCanvas dc;
  LoadFromBuffer(one, "datei-0", false, dc);
  for (int k = 1; k < kLoadedFileSlots; ++k) LoadFromBuffer(one, "datei-" + std::to_string(k), true, dc);
  ASSERT_EQ(g_store.GetRecordCount(), 100);
  // The hundredth file has a slot with its name like every other.
  EXPECT_EQ(g_store.GetFileIndex(99), 99);
  EXPECT_EQ(g_loadedFiles[99], "datei-99");
  g_store.ApplyFilterCriterion(kCritFehler, 0, 0);
  const int filtered = g_filterCount;
  ASSERT_GT(filtered, 0);
  const std::vector<std::string> errors = AllErrorMessages();

  LoadFromBuffer(one, "datei-100", true, dc);
  EXPECT_EQ(prompt.messages,
            std::vector<std::string>{"Es sind schon 100 Dateien geladen: Weitere Dateien k\xF6nnen nicht "
                                     "hinzugef\xFCgt werden!"});
  EXPECT_EQ(g_store.GetRecordCount(), 100);
  EXPECT_EQ(g_filterCount, filtered);
  EXPECT_EQ(AllErrorMessages(), errors);
  EXPECT_EQ(g_recentFiles[0], "datei-99");
  EXPECT_EQ(g_pendingAction, kPendingNothing);
  // Opening (not adding) starts afresh and is not refused.
  LoadFromBuffer(one, "neu", false, dc);
  EXPECT_EQ(g_store.GetRecordCount(), 1);
  EXPECT_EQ(g_loadedFiles[0], "neu");
}

TEST_F(HostileInput, APathWithUmlautsAndBlanksLoadsAndIsShownAsWritten) {
  // The path in the file system's form (UTF-8); the core shows it in Windows-1252.
  const std::string path = dir.Write("Stra\xC3\x9F" "e mit L\xC3\xBC" "cke.edbs", TwoRecords());
  Load(path);
  EXPECT_TRUE(prompt.messages.empty());
  EXPECT_EQ(g_store.GetRecordCount(), 2);
  EXPECT_EQ(g_loadedFiles[0], path);
  EXPECT_EQ(g_recentFiles[0], path);
  const std::string shown = dir.Path("") + "Stra\xDF" "e mit L\xFC" "cke.edbs";
  EXPECT_NE(ReadableExportText(false).find("Datei: " + shown + "\n"), std::string::npos);
  Load(dir.Path("fehlt \xC3\xA4.edbs"));
  EXPECT_EQ(prompt.messages, std::vector<std::string>{"Datei nicht gefunden!"});
}

TEST_F(HostileInput, AFileThatGrowsWhileReadIsReadToItsSizeAtTheStart) {
  const std::string lines = Join(std::vector<std::string>(40000, Otex("waechst           ")));
  const std::string path = dir.Write("waechst.edbs", lines);
  ActingCanvas dc([&] { std::ofstream(path, std::ios::app | std::ios::binary) << lines; });
  Load(path, dc);
  EXPECT_EQ(g_loadEnd, LoadEnd::kGrew);
  EXPECT_EQ(g_store.GetRecordCount(), 40000);
  EXPECT_EQ(g_fileSize, static_cast<std::int64_t>(lines.size()));
  EXPECT_EQ(prompt.messages.back(),
            Format("Die Datei ist w\xE4hrend des Lesens gewachsen: Nur ihre ersten %d Zeichen wurden gelesen (bis "
                   "Zeile 40000)!",
                   static_cast<int>(lines.size())));
}

TEST_F(HostileInput, AFileThatShrinksWhileReadSaysHowMuchWasRead) {
  const std::string lines = Join(std::vector<std::string>(40000, Otex("schrumpft         ")));
  const std::string path = dir.Write("schrumpft.edbs", lines);
  // The first block of a megabyte is read when the first progress step shows.
  ActingCanvas dc([&] { std::filesystem::resize_file(path, 3 << 20 >> 1); });
  Load(path, dc);
  EXPECT_EQ(g_loadEnd, LoadEnd::kShrank);
  EXPECT_EQ(prompt.messages.back(),
            Format("Die Datei ist w\xE4hrend des Lesens k\xFCrzer geworden: Nur %d ihrer %d Zeichen wurden gelesen "
                   "(bis Zeile %d)!",
                   3 << 20 >> 1, static_cast<int>(lines.size()), static_cast<int>(g_lineCount)));
  EXPECT_EQ(g_store.GetRecordCount(), static_cast<int>(g_lineCount));
}
