// The statistics: every line of the thirteen tables over the example file, with and without a
// filter set (golden files), and the rules behind them on small stores.

#include "views/statistics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "platform/text.h"
#include "records/filter_criteria.h"
#include "store/keyword_tables.h"
#include "support/edbs_lines.h"
#include "support/golden.h"

using namespace testing_edbs;

namespace {

// A user-text record of one text line of 18 characters.
std::string UserText() { return Line("BINF", "ULOTEX  ", "0001" "Text              "); }

const std::string kRule(48, '_');

// A special information record with one information of the given kind and text.
std::string Information(const std::string& kind, const std::string& text) {
  return Line("FEIN", "ULOB210F",
              "0001" "0001" + kind + "K4" "  2301" + text + std::string(33 - text.size(), ' ') + "51" "000" + "0000");
}

// An attribute record with one attribute per type (four characters each).
std::string Attributes(const std::vector<std::string>& types) {
  std::string body = "0001" "0001" "A0003Y1" "000" "7" "01" + Format("%04d", static_cast<int>(types.size()));
  for (const std::string& t : types) body += t + "0000042";
  return Line("FEIN", "ULTANN  ", body);
}

class Statistics : public ::testing::Test {
 protected:
  void SetUp() override { ResetProgram(); }

  static void Add(const std::string& line, int lineNumber = 1, int fileIndex = 0) {
    const int op = LookupOpKey(std::string_view(line).substr(12, 4));
    const int in = LookupInfoName(std::string_view(line).substr(28, 8));
    g_store.AddRecord(line, lineNumber, op, in, fileIndex, 0);
  }
  static void Filter(int criterion, const std::string& from, const std::string& to = {}) {
    ResetFilterValues();
    g_filterFrom[0] = from;
    g_filterTo[0] = to;
    g_filterArgCount = 1;
    g_store.ApplyFilterCriterion(criterion, 0, 0);
  }
  // Every statistic, each after a line with its number.
  static std::string AllStatistics() {
    std::string out;
    for (int kind = 0; kind < kStatisticCount; ++kind) {
      out += Format("== %d\n", kind);
      for (const std::string& line : StatisticLines(kind)) out += line + "\n";
    }
    return edbs::Cp1252ToUtf8(out);
  }
  static bool Has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }
  // The rows between the two rules.
  static std::vector<std::string> Rows(const std::vector<std::string>& lines) {
    const auto first = std::find(lines.begin(), lines.end(), kRule);
    const auto second = std::find(first + 1, lines.end(), kRule);
    return {first + 1, second};
  }
  static void LoadExampleTwice() {
    const std::string example = std::string(SATZLUPE_EXAMPLES) + "/beispiel.edbs";
    Load(example);
    Load(example, true);
    // Names independent of where the sources lie.
    g_loadedFiles[0] = "/daten/beispiel.edbs";
    g_loadedFiles[1] = "/daten/noch einmal.edbs";
  }
};

}  // namespace

TEST_F(Statistics, EveryStatisticOfTheExampleFile) {
  LoadExampleTwice();
  ExpectGolden("views/statistics_beispiel.txt", AllStatistics());
}

TEST_F(Statistics, EveryStatisticOfTheObjectRecordsOfTheExampleFile) {
  LoadExampleTwice();
  Filter(kCritInfoName, "ULOBNN  ");
  ASSERT_GT(g_filterCount, 0);
  ExpectGolden("views/statistics_beispiel_gefiltert.txt", AllStatistics());
}

TEST_F(Statistics, AFilterSetIsNamedWithItsShareInTheFirstLines) {
  for (int n = 1; n <= 100; ++n) Add(UserText(), n);
  Filter(kCritZeile, "1", "25");
  ASSERT_EQ(g_filterCount, 25);
  for (int kind = 0; kind < kStatisticCount; ++kind) {
    const std::vector<std::string> lines = StatisticLines(kind);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], Format("Nur gefilterte S%ctze !  (25.0%%)", '\xE4')) << "kind " << kind;
    EXPECT_EQ(lines[1], " ");
    EXPECT_EQ(lines[3], kRule);
  }
  EXPECT_EQ(StatisticLines(kStatInfoNames).back(), "     25\tGesamtanzahl Informationsnamen");
  Filter(kCritZeile, "26", "30");  // extends the set by five
  EXPECT_EQ(StatisticLines(kStatOpKeys)[0], Format("Nur gefilterte S%ctze !  (30.0%%)", '\xE4'));
}

TEST_F(Statistics, WithoutAFilterSetTheTitleComesFirst) {
  Add(UserText());
  EXPECT_EQ(StatisticLines(kStatOpKeys),
            (std::vector<std::string>{Format("Anzahl\tOperationsschl%cssel", '\xFC'), kRule, "      1\tBINF", kRule,
                                      Format("      1\tGesamtanzahl Operationsschl%cssel", '\xFC')}));
}

TEST_F(Statistics, AnUnknownInformationNameIsCountedAndTotalled) {
  Add(UserText());
  Add(Line("FEIN", "ULXYNN  ", "0001"));
  const std::vector<std::string> lines = StatisticLines(kStatInfoNames);
  EXPECT_EQ(Rows(lines), (std::vector<std::string>{"      1\tULOTEX  ", "      1\tUNBEKANNT"}));
  EXPECT_EQ(lines.back(), "      2\tGesamtanzahl Informationsnamen");
}

TEST_F(Statistics, APartOfAnUnknownTypeIsShownButLeftOutOfTheAggregateTotal) {
  Add(UserText());
  // No reader builds such a part; the record is given one by hand.
  CEdbsRecord& record = const_cast<CEdbsRecord&>(g_store.Record(0));
  std::vector<PartPlacement> parts;
  for (const CPartRef part : record.m_parts) parts.push_back({part.m_type, part.Offset()});
  parts.push_back({kUnknownPartType, 0});
  record.m_parts = CPartList(g_store.Arena(), record.Text(), parts, record.m_infoNameIndex);
  const std::vector<std::string> lines = StatisticLines(kStatAggregates);
  EXPECT_EQ(Rows(lines), (std::vector<std::string>{"      1\tULOTEX  ", "      1\tANFANG  ", "      1\tWHF_ULOTEX  ",
                                                   "      1\tUNBEKANNT"}));
  EXPECT_EQ(lines.back(), "      3\tGesamtanzahl Aggregate");
}

TEST_F(Statistics, ExtremeCoordinatesWithoutObjectDataAreZero) {
  Add(UserText());
  Add(Line("BKRT", "IBENKRT ", "5456915203519767288154569656326613065261"));
  const std::vector<std::string> lines = StatisticLines(kStatExtremes);
  EXPECT_EQ(lines, (std::vector<std::string>{"Extremalkoordinaten", kRule, "Rechtswert:\t\t\t      0.000 m",
                                             "Hochwert:\t\t\t      0.000 m", " ", " ",
                                             Format("\t\tGr%c%ce:       0.000 x       0.000 m", '\xF6', '\xDF'), " ",
                                             " ", "Rechtswert:\t      0.000 m", "Hochwert:\t      0.000 m", kRule}));
}

TEST_F(Statistics, ValuesAtOrAboveTheSentinelAreCountedToo) {
  // Mended: a sorted list closed by "zzzz" would drop "zzzz" and everything above it.
  Add(Attributes({"GFK ", "zzzz", "\xC4XYZ", "GFK ", "~~~~"}));
  EXPECT_EQ(Rows(StatisticLines(kStatAttributes)),
            (std::vector<std::string>{"      2\tGFK ", "      1\tzzzz", "      1\t~~~~", "      1\t\xC4XYZ"}));
}

TEST_F(Statistics, FachkennungenComeFromKinds11To19And44) {
  Add(Information("11", "HA14526100012340012"));
  Add(Information("19", "GM4526"));
  Add(Information("44", "KNLindenweg"));
  Add(Information("12", " F"));
  Add(Information("15", "XX skipped as the placeholder"));
  Add(Information("1A", "NO"));
  Add(Information("20", "NO"));
  Add(Information("45", "NO"));
  Add(Information("11", "HA2"));
  EXPECT_EQ(Rows(StatisticLines(kStatFachkennungen)),
            (std::vector<std::string>{"      1\t F", "      1\tGM", "      2\tHA", "      1\tKN"}));
  EXPECT_EQ(Rows(StatisticLines(kStatInfoKinds)),
            (std::vector<std::string>{"      2\t11", "      1\t12", "      1\t15", "      1\t19", "      1\t1A",
                                      "      1\t20", "      1\t44", "      1\t45"}));
}

TEST_F(Statistics, AnEmptyStoreGivesTheFrameWithZeroTotals) {
  EXPECT_EQ(StatisticLines(kStatRecordsPerFile),
            (std::vector<std::string>{"Anzahl\tDateiname", kRule, kRule, Format("      0\tGesamtanzahl S%ctze", '\xE4')}));
  EXPECT_EQ(StatisticLines(kStatLayers), (std::vector<std::string>{"Anzahl\tFolie", kRule, kRule}));
  EXPECT_TRUE(StatisticLines(kStatisticCount).empty());
}

TEST_F(Statistics, RepetitionFactorsAreCountedByTheirTextAsTheFactorShowsIt) {
  // Factors placed by hand where no parser would put them: signs and blanks in the digits, too
  // few characters at the end of the record, a code without a class of its own.
  Add(Line("BINF", "ULOTEX  ", "0001" "-012 3  9999ABCD07"));
  CEdbsRecord& record = const_cast<CEdbsRecord&>(g_store.Record(0));
  const std::vector<PartPlacement> parts = {{kPtFirstWhf, 36}, {kPtFirstWhf, 40}, {kPtFirstWhf, 44},
                                            {kPtFirstWhf, 48}, {kPtFirstWhf, 52}, {kPtFirstWhf, 56},
                                            {kPtFirstWhf, 58}, {kUnknownPartType, 48}, {kPtFirstWhf, 48}};
  record.m_parts = CPartList(g_store.Arena(), record.Text(), parts, record.m_infoNameIndex);
  EXPECT_EQ(Rows(StatisticLines(kStatRepeatCounts)),
            (std::vector<std::string>{"      1\t-012", "      3\t0000", "      1\t0001", "      1\t0003", "      3\t9999"}));
}
