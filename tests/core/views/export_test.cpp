#include "views/export.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/services.h"
#include "store/keyword_tables.h"
#include "support/edbs_lines.h"
#include "support/golden.h"

using namespace testing_edbs;

namespace {

const std::string kRule(79, '-');
const std::string kUnderline(79, '_');

class Export : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProgram();
    edbs::SetPrompt(&prompt);
  }
  void TearDown() override { edbs::SetPrompt(nullptr); }

  void Add(const std::string& line, int lineNumber) {
    const int op = LookupOpKey(std::string_view(line).substr(12, 4));
    const int in = LookupInfoName(std::string_view(line).substr(28, 8));
    g_store.AddRecord(line, lineNumber, op, in, 0, 0);
  }
  static std::string Read(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
  }
  static std::string Heading(int line) {
    return "\n\n" + kRule + "\n" + Format("Zeile: %6d  -  Datei: /daten/ostritz.edbs\n", line) + kRule + "\n";
  }
  static std::string HeaderBlock(const std::string& length, const std::string& op, const std::string& number,
                                 const std::string& info) {
    return "\nSatzanfang                                        \n" + kUnderline + "\n" +
           "SA             Anfang des EDBS-Satzes:            EDBS\n"
           "SL             L\xE4nge des EDBS-Satzes:             " + length + "\n"
           "SL             Anfang des Suchkriteriums:         0000\n"
           "OP             Operationsschl\xFCssel:               " + op + "\n"
           "QU             EDBS-Satznummer:                   " + number + "\n"
           "QU             Zugeh\xF6rigkeitsfunktion:             \n"
           "QU             Editierfunktion:                    \n"
           "QU             Quittierschl\xFCssel:                 0000\n"
           "IN             Informationsname:                  " + info + "\n\n";
  }
  static std::string WhfBlock(const std::string& name, int count) {
    std::string tag = name + " Wiederholungsfaktor";
    return "\n" + tag + std::string(35, ' ') + "\n" + kUnderline + "\n" + name + std::string(15 - name.size(), ' ') +
           "Anzahl der Wiederholungen:         " + Format("%4d", count) + "\n\n";
  }

  edbs::ScriptedPrompt prompt;
  TempDir dir;
};

}  // namespace

TEST_F(Export, LongFormOfABoundaryRecord) {
  g_loadedFiles[0] = "/daten/ostritz.edbs";
  Add(Line("BKRT", "IBENKRT ", "54569154500000400000" "+549210000-565500000", ' ', ' ', "000000"), 2);
  const std::string expected =
      Heading(2) + HeaderBlock("0064", "BKRT", "000000", "IBENKRT ") +
      "\n               Begrenzung der EDBS-Datei          \n" + kUnderline + "\n" +
      "               Numerierungsbezirk (NBZ):          54569154\n"
      "               Koordinate im NBZ:                 500000400000\n"
      "                                                  ( 5491500.000 / 5654400.000 )\n"
      "                                                  \n"
      "               Numerierungsbezirk (NBZ):          +5492100\n"   // corner 1's form for both corners
      "               Koordinate im NBZ:                 00-565500000\n"
      "                                                  ( +549210.000 / -565500.000 )\n\n";
  EXPECT_EQ(ReadableExportText(true), expected);
}

TEST_F(Export, LongFormOfAnAttributeRecordWithItsRepetitionFactors) {
  g_loadedFiles[0] = "/daten/ostritz.edbs";
  Add(Line("FEIN", "ULTANN  ", "0001" "0001" "A0003Y1" "000" "7" "01" "0002" "GFK 1234567" "WDM 0000042", ' ', ' ',
           "000008"),
      14);
  const std::string attribute = "\nULTA1000       Attribut                           \n" + kUnderline + "\n";
  const std::string expected =
      Heading(14) + HeaderBlock("0071", "FEIN", "000008", "ULTANN  ") + WhfBlock("WHF_ULTANN  ", 1) +
      WhfBlock("WHF_ULTA0000", 1) + "\nULTA0000       Attributkennzeichen und Verwaltung \n" + kUnderline + "\n" +
      "DLTA0001       Objektnummer:                      A0003Y1\n"
      "DLTA0002       Objektteilnummer:                  000\n"
      "DLTA0003       Pr\xFC" "fzeichen:                       7\n"
      "DLTA0004       Aktualit\xE4t:                        01\n\n" +
      WhfBlock("WHF_ULTA1000", 2) + attribute +
      "DLTA1001       Attributtyp:                       GFK \n"
      "DLTA1002       Attributwert:                      1234567\n\n" +
      attribute +
      "DLTA1001       Attributtyp:                       WDM \n"
      "DLTA1002       Attributwert:                      0000042\n\n";
  EXPECT_EQ(ReadableExportText(true), expected);
}

TEST_F(Export, ShortFormShowsTypeNamesAndDottedTexts) {
  g_loadedFiles[0] = "/daten/ostritz.edbs";
  Add(Line("FEIN", "ULOB210F", "0001" "0001" "13K4  2301FS144093000012340050" + std::string(13, ' ') + "51   " + "0000",
           ' ', ' ', "000007"),
      7);
  const std::string dotted48 = "13K4\xB7\xB7" "2301FS144093000012340050" + std::string(13, '\xB7') + "51\xB7\xB7\xB7";
  EXPECT_EQ(ReadableExportText(false),
            Heading(7) + "ANFANG         EDBS00840000FEIN000007\xB7\xB7" "0000ULOB210F\n" +
                "WHF_ULOB2110   0001\n" + "WHF_ULO11ALK   0001\n" + "ULOB2100       " + dotted48 + "\n" +
                "WHF_ULO21ALK   0000\n");
}

TEST_F(Export, SearchCriterionShowsItsFullText) {
  g_loadedFiles[0] = "/daten/ostritz.edbs";
  Add(Line("FLOE", "ULOBNN  ", "ASDLOB2005EQA0004B1ANDLOB2101EQ13", ' ', ' ', "000012"), 12);
  const std::string text = ReadableExportText(false);
  EXPECT_NE(text.find("\nSUCHKRIT       \xB7" "DLOB2005EQA0004B1\xB7" "DLOB2101EQ13\n"), std::string::npos);
}

TEST_F(Export, FilterSetRestrictsTheBlocks) {
  for (int k = 1; k <= 5; ++k) Add(Line("BINF", "ULOTEX  ", "0001" + std::string(18, 'a' + k)), k);
  ResetFilterValues();
  g_filterFrom[0] = "2";
  g_filterTo[0] = "4";
  g_filterArgCount = 1;
  g_store.ApplyFilterCriterion(kCritZeile, 0, 0);
  ASSERT_EQ(g_filterCount, 3);
  const std::string text = ReadableExportText(false);
  std::size_t blocks = 0;
  for (std::size_t p = text.find("Zeile:"); p != std::string::npos; p = text.find("Zeile:", p + 1)) ++blocks;
  EXPECT_EQ(blocks, 3u);
  EXPECT_EQ(text.find("Zeile:      1"), std::string::npos);
  EXPECT_NE(text.find("Zeile:      4"), std::string::npos);
}

TEST_F(Export, FileIsWindows1252WithCrLf) {
  g_loadedFiles[0] = "/daten/g\xC3\xB6rlitz.edbs";  // the file system's UTF-8 name
  Add(Line("BINF", "ULOTEX  ", "0001" "Gemarkung G\xF6rlitz "), 3);
  g_settings.Kurzform = 0;
  const std::string path = dir.Path("aus.txt");
  ASSERT_TRUE(WriteReadableExport(path));
  const std::string bytes = Read(path);
  EXPECT_EQ(bytes.substr(0, 4), "\r\n\r\n");
  EXPECT_NE(bytes.find("Datei: /daten/g\xF6rlitz.edbs\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("ULOTEX         Gemarkung\xB7G\xF6rlitz\xB7\r\n"), std::string::npos);
  EXPECT_EQ(bytes.find("\n\n"), std::string::npos);
}

TEST_F(Export, EmptyStoreWritesAnEmptyFile) {
  const std::string path = dir.Path("leer.txt");
  ASSERT_TRUE(WriteReadableExport(path));
  EXPECT_TRUE(std::filesystem::exists(path));
  EXPECT_EQ(Read(path), "");
}

TEST_F(Export, UnwritablePathIsReportedAndNothingIsWritten) {
  Add(Line("BINF", "ULOTEX  ", "0001" + std::string(18, 'x')), 1);
  EXPECT_FALSE(WriteReadableExport(dir.Path("fehlt/aus.txt")));
  EXPECT_EQ(prompt.messages, std::vector<std::string>{"Datei kann nicht ge\xF6" "ffnet werden!"});
  EXPECT_FALSE(std::filesystem::exists(dir.Path("fehlt")));
}

TEST_F(Export, BothFormsOfTheExampleArePinned) {
  // Loaded by its name in the examples folder, so that the headings are the same in every checkout.
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(SATZLUPE_EXAMPLES);
  Load("beispiel.edbs");
  std::filesystem::current_path(previous);
  ASSERT_GT(g_store.GetRecordCount(), 0);
  for (int form : {1, 0}) {
    g_settings.Kurzform = form;
    const std::string path = dir.Path("aus.txt");
    ASSERT_TRUE(WriteReadableExport(path));
    ExpectGolden(form == 1 ? "views/export_beispiel_lang.txt" : "views/export_beispiel_kurz.txt", Read(path));
  }
}

TEST_F(Export, ProgressReachesEveryWrittenRecordOfTheFilterSet) {
  for (int k = 1; k <= 500; ++k) Add(Line("BINF", "ULOTEX  ", "0001" + std::string(18, 'a' + k % 26)), k);
  ResetFilterValues();
  g_filterFrom[0] = "101";
  g_filterTo[0] = "400";
  g_filterArgCount = 1;
  g_store.ApplyFilterCriterion(1, 0, 0);
  ASSERT_EQ(g_filterCount, 300);
  std::vector<std::pair<long long, long long>> calls;
  ASSERT_TRUE(WriteReadableExport(dir.Path("aus.txt"), [&](long long written, long long total) {
    calls.emplace_back(written, total);
  }));
  ASSERT_GE(calls.size(), 50u);
  EXPECT_LE(calls.size(), 110u);
  EXPECT_EQ(calls.back(), std::make_pair(300LL, 300LL));
  for (std::size_t k = 1; k < calls.size(); ++k) EXPECT_GT(calls[k].first, calls[k - 1].first);
}
