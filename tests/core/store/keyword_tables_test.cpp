#include "store/keyword_tables.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Every entry is written out at its field's width and named once; only the last is the
// placeholder. A table given fewer names than its size leaves empty entries, which this finds.
template <std::size_t N>
void ExpectFilledAndDistinct(const std::array<std::string_view, N>& table, std::size_t width, std::size_t whfWidth,
                             const char* name) {
  std::set<std::string_view> seen;
  for (std::size_t k = 0; k < N; ++k) {
    const std::string_view entry = table[k];
    const std::size_t expected = entry.starts_with("WHF_") ? whfWidth : width;
    EXPECT_EQ(entry.size(), expected) << name << "[" << k << "] \"" << entry << "\"";
    EXPECT_EQ(entry.find('?') == std::string_view::npos, k + 1 < N) << name << "[" << k << "]";
    EXPECT_TRUE(seen.insert(entry).second) << name << "[" << k << "] twice: " << entry;
  }
}

}  // namespace

TEST(KeywordTables, EveryEntryFilledToItsWidthAndNamedOnce) {
  ExpectFilledAndDistinct(OpKeyTable, 4, 4, "OpKeyTable");
  ExpectFilledAndDistinct(InfoNameTable, 8, 8, "InfoNameTable");
  ExpectFilledAndDistinct(PartTypeNameTable, 8, 12, "PartTypeNameTable");
  ExpectFilledAndDistinct(DataKeyTable, 8, 8, "DataKeyTable");
}

TEST(KeywordTables, Placeholders) {
  EXPECT_EQ(OpKeyTable[10], "????");
  EXPECT_EQ(InfoNameTable[31], "????????");
  EXPECT_EQ(PartTypeNameTable[67], "????????");
  EXPECT_EQ(DataKeyTable[26], "????????");
}

TEST(KeywordTables, PositionsThatChecksAndViewsTestFor) {
  EXPECT_EQ(OpKeyTable[6], "AKND");
  EXPECT_EQ(OpKeyTable[5], "AEND");
  EXPECT_EQ(InfoNameTable[29], "IBENKRT ");
  EXPECT_EQ(PartTypeNameTable[30], "ANFANG  ");
  EXPECT_EQ(PartTypeNameTable[50], "WHF_ULPUNN  ");
  EXPECT_EQ(PartTypeNameTable[51], "WHF_ULPU0000");
  EXPECT_EQ(PartTypeNameTable[66], "WHF_ULODATUM");
  EXPECT_EQ(DataKeyTable[13], "DLOBJTNR");
  EXPECT_EQ(DataKeyTable[25], "DLPU7001");
}

TEST(KeywordTables, OperationKeyLookupIsCaseSensitive) {
  EXPECT_EQ(LookupOpKey("AKND"), 6);
  EXPECT_EQ(LookupOpKey("akNd"), 10);
  EXPECT_EQ(LookupOpKey("????"), 10);
}

TEST(KeywordTables, InformationNamesKeepTheirTrailingBlanks) {
  EXPECT_EQ(LookupInfoName("        "), 30);
  EXPECT_EQ(LookupInfoName("ULOBNN  "), 0);
  EXPECT_EQ(LookupInfoName("ULOBNNxx"), 31);
  EXPECT_EQ(LookupInfoName("ULOBNN"), 31);
  EXPECT_EQ(LookupInfoName("????????"), 31);
}

TEST(KeywordTables, PartTypeNameOutsideTheTableIsThePlaceholder) {
  EXPECT_EQ(PartTypeName(-1), "????????");
  EXPECT_EQ(PartTypeName(68), "????????");
  EXPECT_EQ(PartTypeName(25), "ULOTEX  ");
}
