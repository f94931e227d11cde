#include "store/keyword_tables.h"

#include <gtest/gtest.h>

TEST(KeywordTables, SizesAndPlaceholders) {
  EXPECT_EQ(OpKeyTable.size(), 11u);
  EXPECT_EQ(InfoNameTable.size(), 32u);
  EXPECT_EQ(PartTypeNameTable.size(), 68u);
  EXPECT_EQ(DataKeyTable.size(), 27u);
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
