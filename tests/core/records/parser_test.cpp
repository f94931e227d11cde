#include "records/parser.h"

#include <gtest/gtest.h>

#include "records/part_classes.h"
#include "store/keyword_tables.h"
#include "support/edbs_lines.h"

using namespace testing_edbs;

namespace {

const std::string kPoint = "54569154736757624820";

class Parser : public ::testing::Test {
 protected:
  void SetUp() override { ResetProgram(); }

  // Adds one record line; returns the parser's result.
  int Add(const std::string& line) {
    const int op = LookupOpKey(std::string_view(line).substr(12, 4));
    const int in = LookupInfoName(std::string_view(line).substr(28, 8));
    return g_store.AddRecord(line, 1, op, in, 0, 0);
  }
  std::vector<int> Types() const {
    std::vector<int> t;
    const int i = g_store.GetRecordCount() - 1;
    for (int j = 0; j < g_store.GetPartCount(i); ++j) t.push_back(g_store.GetPartType(i, j));
    return t;
  }
};

std::string Ulob1100() { return "0012301A0003Y1A0003Y200000000"; }                 // 29
std::string Ulob2000() { return "0012301" "01" "F" "A0003Y1" "K4" "060508" " "; }  // 26
std::string Ulob2100(const std::string& geom = "51") {
  std::string text = "FS144093000012340050   ";
  text.resize(33, ' ');
  return "13K4  2301" + text + geom + "   ";  // 48
}

}  // namespace

TEST_F(Parser, ObjectRecordWithEveryGroup) {
  const std::string body = "0001" "0001" + kPoint + "0" + "0001" +                     // start, one line
                           "0001" + kPoint + "15" + "0001" + "0001" + Ulob1100() +     // end, one function
                           "0001" "110000001" + "0001" + kPoint +                      // a parameter, a support
                           "0001" + "0001" + Ulob2000() + "0001" + "0001" + Ulob2100() + "0002" + kPoint + kPoint;
  EXPECT_EQ(Add(Line("FEIN", "ULOBNN  ", body)), -23);
  EXPECT_EQ(Types(), (std::vector<int>{30, 31, 32, 0, 33, 34, 1, 35, 36, 2, 38, 3, 39, 4, 40, 41, 5, 43, 44, 6, 46, 7, 7}));
  EXPECT_EQ(g_store.GetParseResult(0), 0);
}

TEST_F(Parser, FirstFactorNotOneStopsAfterTwoParts) {
  EXPECT_EQ(Add(Line("FEIN", "ULOBNN  ", "0002" "0001" + kPoint + "0")), 331);
  EXPECT_EQ(Types(), (std::vector<int>{30, 31}));
  EXPECT_EQ(g_store.GetParseResult(0), 331);
}

TEST_F(Parser, LineCountZeroSkipsToTheObjects) {
  EXPECT_EQ(Add(Line("FEIN", "ULOBNN  ", "0001" "0001" + kPoint + "0" + "0000" + "0000")), -6);
  EXPECT_EQ(Types(), (std::vector<int>{30, 31, 32, 0, 33, 40}));
}

TEST_F(Parser, AlkVariantReadsShortFunctionsAndNoParameters) {
  const std::string f8 = "0012301A0007E1A0007E200";                      // 23
  const std::string o9 = "0012301" "01" "F" "A0007E1" "060508";           // 23
  const std::string i10 = Ulob2100().substr(0, 45);
  const std::string body = "0001" "0001" + kPoint + "0" + "0001" + "0001" + kPoint + "11" + "0002" + f8 + f8 +
                           "0000" + "0001" + "0001" + o9 + "0001" + "0001" + i10 + "0000";
  EXPECT_EQ(Add(Line("FEIN", "ULO8ALK ", body)), -18);
  EXPECT_EQ(Types(), (std::vector<int>{30, 31, 32, 0, 33, 34, 1, 37, 8, 8, 39, 40, 42, 9, 43, 45, 10, 46}));
}

TEST_F(Parser, RecordEndingInsideTheStartPoint) {
  EXPECT_EQ(Add(Line("FEIN", "ULOBNN  ", "0001" "0001" "5456915473")), 100);
  EXPECT_EQ(Types(), (std::vector<int>{30, 31, 32, 0}));
}

TEST_F(Parser, RestAfterTheObjectsIsASearchCriterion) {
  const std::string base = "0001" "0001" + kPoint + "0" + "0000" + "0000";
  Add(Line("FEIN", "ULOBNN  ", base));
  EXPECT_EQ(Types().back(), 40);
  EXPECT_EQ(Add(Line("FEIN", "ULOBNN  ", base + "ASDLOB2005EQA0003Y1")), -7);
  EXPECT_EQ(Types().back(), 29);
}

TEST_F(Parser, ChangeRecordWithoutDataReadsItsCriterionFrom38) {
  EXPECT_EQ(Add(Line("FAEN", "ULOBNN  ", "xxASDLOB2005EQA0003Y1")), -2);
  int selector = -1;
  EXPECT_EQ(g_store.Record(0).GetPartListText(1, selector), " DLOB2005EQA0003Y1");
  // A deletion reads it where the header ends.
  EXPECT_EQ(Add(Line("FLOE", "ULOBNN  ", "ASDLOB2005EQA0003Y1")), -2);
  EXPECT_EQ(Add(Line("FLOE", "ULOBNN  ", "xxASDLOB2005EQA0003Y1")), 251);
}

TEST_F(Parser, UserTextMustBeExactly40Plus18PerLine) {
  EXPECT_EQ(Add(Line("BINF", "ULOTEX  ", "0002" + std::string(36, 't'))), -3);
  EXPECT_EQ(Add(Line("BINF", "ULOTEX  ", "0002" + std::string(35, 't'))), 365);
  EXPECT_EQ(Types(), (std::vector<int>{30, 65}));
}

TEST_F(Parser, TooShortHeader) {
  EXPECT_EQ(g_store.AddRecord(std::string(35, 'E'), 1, 0, 0, 0, 0), 130);
  EXPECT_EQ(g_store.GetRecordCount(), 1);
  EXPECT_EQ(g_store.GetPartCount(0), 1);
}

TEST_F(Parser, UnknownKeysGiveTheHeaderAlone) {
  EXPECT_EQ(Add(Line("OTEX", "XYZ     ", "whatever")), -1);
  EXPECT_EQ(Add(Line("AEND", "        ", "")), -1);
}

TEST_F(Parser, PointRecordNeedsTwoControlPointAggregates) {
  std::string body = "0001" "0001" + std::string(65, '0') + "0000" "0000" "0000" "0000" "0000" + "0001" + "0003";
  EXPECT_EQ(Add(Line("FEIN", "ULPUNN  ", body)), 358);
  body = "0001" "0001" + std::string(65, '0') + "0001" + std::string(16, 'h') + "0000" "0000" "0000" "0000" + "0001" +
         "0002" + std::string(19, '1') + "0001" + std::string(36, 'n') + "0001" + std::string(64, '7');
  EXPECT_EQ(Add(Line("FEIN", "ULPUNN  ", body)), -17);
  EXPECT_EQ(Types(), (std::vector<int>{30, 50, 51, 14, 52, 15, 53, 54, 55, 56, 57, 58, 20, 59, 21, 60, 22}));
}

TEST_F(Parser, GeometryOperationsAttributesOrderHeaderDateAndBoundary) {
  EXPECT_EQ(Add(Line("FGEO", "ULOVEKDW", "0001" "0001" + std::string(41, ' ') + "0001" + std::string(40, '0'))), -6);
  EXPECT_EQ(Add(Line("FEIN", "ULTANN  ", "0001" "0001" + std::string(13, 'a') + "0002" + std::string(22, 'b'))), -7);
  EXPECT_EQ(Add(Line("FAEN", "ULTA1000", "0001" + std::string(11, 'b') + "ASDLTA0001EQA0003Y1")), -4);
  EXPECT_EQ(Types(), (std::vector<int>{30, 49, 13, 29}));
  EXPECT_EQ(Add(Line("AKND", "ULQA0000", "0001" + std::string(258, 'q'))), -3);
  EXPECT_EQ(Add(Line("AKND", "ULQA0000", "0002" + std::string(258, 'q'))), 364);
  EXPECT_EQ(Add(Line("BINF", "ULODATUM", "0001" + std::string(14, '1'))), -3);
  EXPECT_EQ(Add(Line("BKRT", "IBENKRT ", kPoint + kPoint)), -2);
  EXPECT_EQ(Add(Line("BKRT", "IBENKRT ", kPoint)), 128);
}

TEST_F(Parser, SpecialInformationAloneHandsItsGeometryToItsPoints) {
  const std::string body = "0001" "0001" + Ulob2100("41") + "0002" + "3" + std::string(19, ' ') + kPoint;
  EXPECT_EQ(Add(Line("FEIN", "ULOB210F", body)), -7);
  double x = 0, y = 0;
  EXPECT_EQ(g_store.GetPoint(0, 5, x, y), 1);  // the spline marker under kind 41
  EXPECT_EQ(g_store.GetPoint(0, 6, x, y), 0);
  EXPECT_DOUBLE_EQ(x, 5491736.757);
}

TEST_F(Parser, HugeCountsEndAtTheRecordsEnd) {
  EXPECT_EQ(Add(Line("FEIN", "ULOBNN  ", "0001" "0001" + kPoint + "0" + "9999" + "0001")), 101);
  EXPECT_EQ(Add(Line("FEIN", "ULTA1000", "9999" + std::string(11, 'x'))), 113);
}
