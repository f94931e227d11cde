#include "records/suchkriterium_part.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "support/part_test.h"
#include "platform/cp1252_literal.h"

namespace {

using part_test::Row;

std::string Item(const std::string& connector, const std::string& key, const std::string& value) {
  return connector + key + "EQ" + value;
}

struct Parsed {
  int error = -1;
  std::unique_ptr<CSuchkriteriumPart> part;
};

class SuchkriteriumPartTest : public part_test::PartTest {
 protected:
  // Parses `items` placed behind a 36-character stand-in for the header.
  static Parsed ParseBehindHeader(const std::string& items, int infoNameIndex = 0) {
    Parse(std::string(36, 'h') + items, 36);
    Parsed p;
    p.part = std::make_unique<CSuchkriteriumPart>(p.error, infoNameIndex);
    return p;
  }
};

using SuchkriteriumPart = SuchkriteriumPartTest;
using SuchkriteriumPartErrors = SuchkriteriumPartTest;
using SuchkriteriumPartPoint = SuchkriteriumPartTest;
using SuchkriteriumPartFilter = SuchkriteriumPartTest;

}  // namespace

// ---- Reading items --------------------------------------------------------------------------

TEST_F(SuchkriteriumPart, TwoItemsFillTwoSlotsAndTwoDetailRows) {
  Parsed p = ParseBehindHeader(Item("AS", "DLOB2005", "1234567") + Item("AN", "DLOB2006", "AB"), 5);
  ASSERT_EQ(p.error, 0);
  EXPECT_EQ(p.part->m_type, 29);
  EXPECT_EQ(p.part->m_infoNameIndex, 5);
  EXPECT_EQ(g_parsePos, static_cast<std::int32_t>(g_parseText.size()));
  EXPECT_EQ(p.part->m_keyFlags, "FFFFTTFFFFFFFFFFFFFFFFFFFF");

  ASSERT_EQ(p.part->FillDetail(), 2);
  ExpectRow(0, "", "Suchkriterium", "");
  ExpectRow(1, "DLOB2005", "Objektnummer =", "1234567");
  ExpectRow(2, "DLOB2006", "Modelltyp =", "AB");

  EXPECT_EQ(p.part->GetListText(-1), " DLOB2005EQ1234567 DLOB2006EQAB");
}

// Every key once, in table order, each value made of one letter in the key's width. Keys that share
// a slot all show the value written last.
TEST_F(SuchkriteriumPart, AllKeysGiveDetailRowsInDisplayOrder) {
  const char* keys[] = {"DLOB0001", "DLOB0002", "DLOB0003", "DLOB2003", "DLOB2005", "DLOB2006", "DLOB2101",
                        "DLOB2104", "DLTA0001", "DLTA0002", "DLTA0003", "DLTA0004", "DLTA1001", "DLOBJTNR",
                        "DLPU0001", "DLPU0002", "DLPU0003", "DLPU0004", "DLPU0007", "DLPU2001", "DLPU3001",
                        "DLPU4001", "DLPU5001", "DLPU6001", "DLPU6101", "DLPU7001"};
  const int widths[] = {8, 12, 1, 2, 7, 2, 2, 33, 7, 3, 1, 2, 4, 3, 8, 1, 5, 1, 2, 3, 3, 3, 1, 1, 36, 3};
  std::string items;
  for (int k = 0; k < 26; ++k) items += Item(k % 2 ? "AN" : "AS", keys[k], std::string(widths[k], 'A' + k));
  Parsed p = ParseBehindHeader(items);
  ASSERT_EQ(p.error, 0);
  EXPECT_EQ(p.part->m_keyFlags, std::string(26, 'T'));

  ASSERT_EQ(p.part->FillDetail(), 26);
  const std::vector<Row> expected = {
      {"", "Suchkriterium", ""},
      {"DLOB0001", "Numerierungsbezirk =", "OOOOOOOO"},
      {"DLOB0002", "Koordinate =", "BBBBBBBBBBBB"},
      {"DLOB0003", CP("Prüfzeichen ="), "R"},
      {"DLOB2003", CP("Aktualität ="), "SS"},
      {"DLOB2005", "Objektnummer =", "IIIIIII"},
      {"DLOB2006", "Modelltyp =", "FF"},
      {"DLOB2101", "Art der besonderen Information =", "GG"},
      {"DLOB2104", "Objektname =", std::string(33, 'H')},
      {"DLOBJTNR", "Objektteilnummer =", "NNN"},
      {"DLTA0001", "Objektnummer =", "IIIIIII"},
      {"DLTA0002", "Objektteilnummer =", "NNN"},
      {"DLTA0003", CP("Prüfzeichen ="), "R"},
      {"DLTA0004", CP("Aktualität ="), "SS"},
      {"DLTA1001", "Attributtyp =", "MMMM"},
      {"DLPU0001", "Numerierungsbezirk =", "OOOOOOOO"},
      {"DLPU0002", "Punktart =", "P"},
      {"DLPU0003", "Punktnummer =", "QQQQQ"},
      {"DLPU0004", CP("Prüfzeichen ="), "R"},
      {"DLPU0007", CP("Aktualität ="), "SS"},
      {"DLPU2001", "Lagestatus =", "TTT"},
      {"DLPU3001", CP("Höhenstatus ="), "UUU"},
      {"DLPU4001", "Schwerestatus =", "VVV"},
      {"DLPU5001", "Zeilennummer =", "W"},
      {"DLPU6001", "Ordnung des Festpunkts =", "X"},
      {"DLPU6101", CP("Nähere Lagebezeichnung ="), std::string(36, 'Y')},
      {"DLPU7001", "Positionsstatus =", "ZZZ"},
  };
  EXPECT_EQ(Rows(26), expected);
}

TEST_F(SuchkriteriumPart, FullListTextFollowsDisplayOrder) {
  Parsed p = ParseBehindHeader(Item("AS", "DLPU0002", "7") + Item("AN", "DLTA0001", "0000123") +
                               Item("AN", "DLOBJTNR", "004") + Item("AS", "DLOB0003", "x"));
  ASSERT_EQ(p.error, 0);
  EXPECT_EQ(p.part->GetListText(-1), " DLOB0003EQx DLOBJTNREQ004 DLTA0001EQ0000123 DLPU0002EQ7");
}

TEST_F(SuchkriteriumPart, ListTextOfOneKeyIsItsValueOrEmpty) {
  Parsed p = ParseBehindHeader(Item("AS", "DLOB2005", "1234567") + Item("AN", "DLPU7001", "ab "));
  ASSERT_EQ(p.error, 0);
  EXPECT_EQ(p.part->GetListText(4), "1234567");
  EXPECT_EQ(p.part->GetListText(25), "ab ");
  EXPECT_EQ(p.part->GetListText(0), "");
  // The slot is shared with DLOB2005, but DLTA0001 itself is absent.
  EXPECT_EQ(p.part->GetListText(8), "");
}

TEST_F(SuchkriteriumPart, SelectorsOutsideTheKeysGiveANotice) {
  Parsed p = ParseBehindHeader(Item("AS", "DLOB2005", "1234567"));
  EXPECT_EQ(p.part->GetListText(26), CP("unerlaubter Index für Suchkriterium"));
  EXPECT_EQ(p.part->GetListText(-2), CP("unerlaubter Index für Suchkriterium"));
  EXPECT_EQ(p.part->GetListText(29), CP("unerlaubter Index für Suchkriterium"));
}

TEST_F(SuchkriteriumPart, RepeatedKeyOverwritesItsSlot) {
  Parsed p = ParseBehindHeader(Item("AS", "DLOB2005", "1111111") + Item("AN", "DLOB2005", "2222222"));
  ASSERT_EQ(p.error, 0);
  EXPECT_EQ(p.part->m_objectNumber, "2222222");
  EXPECT_EQ(p.part->FillDetail(), 1);
  EXPECT_EQ(DetailTable.Value(1), "2222222");
  EXPECT_EQ(p.part->GetListText(-1), " DLOB2005EQ2222222");
}

// ---- Errors and where the cursor stops -------------------------------------------------------

TEST_F(SuchkriteriumPartErrors, NothingLeftAtTheConnectorIs250) {
  Parsed p = ParseBehindHeader("");
  EXPECT_EQ(p.error, 250);
  EXPECT_EQ(g_parsePos, 36);
}

TEST_F(SuchkriteriumPartErrors, TrailingSingleCharacterIs250AndKeepsEarlierItems) {
  Parsed p = ParseBehindHeader(Item("AS", "DLOB2005", "1234567") + "A");
  EXPECT_EQ(p.error, 250);
  EXPECT_EQ(g_parsePos, 36 + 19);
  EXPECT_EQ(p.part->GetListText(4), "1234567");
}

TEST_F(SuchkriteriumPartErrors, CursorBeyondTheTextIs250) {
  Parse(std::string(36, 'h'), 38);
  int error = -1;
  CSuchkriteriumPart part(error, 3);
  EXPECT_EQ(error, 250);
  EXPECT_EQ(g_parsePos, 38);
}

TEST_F(SuchkriteriumPartErrors, OtherConnectorIs251) {
  for (const char* connector : {"OR", "as", "A ", "NA"}) {
    Parsed p = ParseBehindHeader(Item(connector, "DLOB2005", "1234567"));
    EXPECT_EQ(p.error, 251) << connector;
    EXPECT_EQ(g_parsePos, 36) << connector;
  }
}

TEST_F(SuchkriteriumPartErrors, EndBeforeTheOperatorIs252) {
  Parsed p = ParseBehindHeader("ASDLOB2005E");
  EXPECT_EQ(p.error, 252);
  EXPECT_EQ(g_parsePos, 38);
}

TEST_F(SuchkriteriumPartErrors, OtherOperatorIs253) {
  Parsed p = ParseBehindHeader("ANDLOB2005NE1234567");
  EXPECT_EQ(p.error, 253);
  EXPECT_EQ(g_parsePos, 38);
}

TEST_F(SuchkriteriumPartErrors, UnknownKeyIs226) {
  for (const char* key : {"DLXX0000", "dlob2005", "????????", "DLOB200 "}) {
    Parsed p = ParseBehindHeader(Item("AS", key, "1234567"));
    EXPECT_EQ(p.error, 226) << key;
    EXPECT_EQ(g_parsePos, 38) << key;
  }
}

TEST_F(SuchkriteriumPartErrors, ShortValueIs200PlusKeyBehindKeyAndOperator) {
  Parsed p = ParseBehindHeader(Item("AN", "DLOB2005", "12345"));
  EXPECT_EQ(p.error, 204);
  EXPECT_EQ(g_parsePos, 48);
  EXPECT_EQ(p.part->m_objectNumber, "~");
  EXPECT_EQ(p.part->m_keyFlags[4], 'F');

  p = ParseBehindHeader(Item("AS", "DLOB0001", ""));
  EXPECT_EQ(p.error, 200);
  EXPECT_EQ(g_parsePos, 48);

  p = ParseBehindHeader(Item("AS", "DLPU6101", std::string(35, 'x')));
  EXPECT_EQ(p.error, 224);

  p = ParseBehindHeader(Item("AS", "DLOB2006", "12") + Item("AS", "DLPU7001", "12"));
  EXPECT_EQ(p.error, 225);
  EXPECT_EQ(g_parsePos, 36 + 14 + 12);
  EXPECT_EQ(p.part->GetListText(5), "12");
}

TEST_F(SuchkriteriumPartErrors, ValueEndingExactlyAtTheRecordEndIsComplete) {
  Parsed p = ParseBehindHeader(Item("AS", "DLOB2104", std::string(33, 'n')));
  EXPECT_EQ(p.error, 0);
  EXPECT_EQ(g_parsePos, 36 + 12 + 33);
}

// ---- Point of the criterion -----------------------------------------------------------------

TEST_F(SuchkriteriumPartPoint, DistrictAndCoordinateGiveThePoint) {
  Parsed p = ParseBehindHeader(Item("AS", "DLOB0001", "35564623") + Item("AN", "DLOB0002", "123456789012"));
  ASSERT_EQ(p.error, 0);
  EXPECT_DOUBLE_EQ(p.part->m_x, 3546123.456);
  EXPECT_DOUBLE_EQ(p.part->m_y, 5623789.012);

  g_coordWindow = {3546000.0, 5623000.0, 3547000.0, 5624000.0};
  EXPECT_EQ(p.part->MatchFilter(kCritKoordinate), 1);
  g_coordWindow = {3546200.0, 5623000.0, 3547000.0, 5624000.0};
  EXPECT_EQ(p.part->MatchFilter(kCritKoordinate), 0);
}

TEST_F(SuchkriteriumPartPoint, WithoutBothKeysThereIsNoPoint) {
  g_coordWindow = {-1e9, -1e9, 1e9, 1e9};
  Parsed p = ParseBehindHeader(Item("AS", "DLOB0001", "35564623"));
  ASSERT_EQ(p.error, 0);
  EXPECT_EQ(p.part->m_x, -9999999.9999);
  EXPECT_EQ(p.part->m_y, -9999999.9999);
  // Even a window around the initial values does not select a criterion without coordinates.
  EXPECT_EQ(p.part->MatchFilter(kCritKoordinate), 0);

  p = ParseBehindHeader(Item("AS", "DLPU0001", "35564623") + Item("AN", "DLOB0002", "123456789012"));
  ASSERT_EQ(p.error, 0);
  EXPECT_EQ(p.part->m_x, -9999999.9999);
  EXPECT_EQ(p.part->MatchFilter(kCritKoordinate), 0);
}

TEST_F(SuchkriteriumPartPoint, AnErrorLeavesThePointUndecoded) {
  g_coordWindow = {-1e9, -1e9, 1e9, 1e9};
  Parsed p = ParseBehindHeader(Item("AS", "DLOB0001", "35564623") + Item("AN", "DLOB0002", "123456789012") + "X");
  EXPECT_EQ(p.error, 250);
  EXPECT_EQ(p.part->m_x, -9999999.9999);
  EXPECT_EQ(p.part->MatchFilter(kCritKoordinate), 0);
}

// ---- Filter criteria ------------------------------------------------------------------------

TEST_F(SuchkriteriumPartFilter, CriterionSixAsksForAPresentKey) {
  Parsed p = ParseBehindHeader(Item("AS", "DLOB2006", "12"));
  SetArgs({{"DLOB2005"}, {"DLOB2006"}});
  EXPECT_EQ(p.part->MatchFilter(kCritSuchkrit), 1);
  SetArgs({{"DLOB2005"}});
  EXPECT_EQ(p.part->MatchFilter(kCritSuchkrit), 0);
  SetArgs({{"dlob2006"}, {"DLOB2006 "}, {"????????"}});
  EXPECT_EQ(p.part->MatchFilter(kCritSuchkrit), 0);
  SetArgs({});
  EXPECT_EQ(p.part->MatchFilter(kCritSuchkrit), 0);
}

// Each key's value, filtered with a range that covers exactly that value, is found by exactly the
// criteria that ask its slot.
TEST_F(SuchkriteriumPartFilter, EachCriterionAsksItsSlot) {
  struct Case {
    const char* key;
    const char* value;
    std::set<int> criteria;
  };
  const Case cases[] = {
      {"DLOB0001", "35564623", {kCritNumBez}},
      {"DLPU0001", "35564623", {kCritNumBez}},
      {"DLOB2005", "1234567", {kCritObjNr, kCritObjNrOhneDatenbank}},
      {"DLTA0001", "1234567", {kCritObjNr, kCritObjNrOhneDatenbank}},
      {"DLOB2003", "07", {kCritAktualitaet}},
      {"DLTA0004", "07", {kCritAktualitaet}},
      {"DLPU0007", "07", {kCritAktualitaet}},
      {"DLOB2006", "MT", {kCritKartentyp}},
      {"DLOB2101", "BI", {kCritArtBesInfo}},
      {"DLTA1001", "A123", {kCritAttribut}},
      {"DLPU0002", "3", {kCritPktArt}},
      {"DLPU0003", "00042", {kCritPktNr}},
      {"DLPU2001", "100", {kCritHlspStatus}},
      {"DLPU3001", "100", {kCritHlspStatus}},
      {"DLPU4001", "100", {kCritHlspStatus}},
      {"DLPU7001", "100", {kCritHlspStatus}},
      {"DLPU5001", "1", {}},
      {"DLOBJTNR", "001", {}},
  };
  for (const Case& c : cases) {
    Parsed p = ParseBehindHeader(Item("AS", c.key, c.value));
    ASSERT_EQ(p.error, 0) << c.key;
    SetArgs({{c.value, c.value}});
    for (const FilterCriterionInfo& criterion : kFilterTable) {
      EXPECT_EQ(p.part->MatchFilter(criterion.code), c.criteria.count(criterion.code) ? 1 : 0)
          << c.key << " criterion " << criterion.code;
    }
  }
}

TEST_F(SuchkriteriumPartFilter, TailCriterionComparesLastSixCharacters) {
  Parsed p = ParseBehindHeader(Item("AS", "DLOB2005", "9234567"));
  SetArgs({{"0234560", "0234569"}});
  EXPECT_EQ(p.part->MatchFilter(kCritObjNrOhneDatenbank), 1);
  EXPECT_EQ(p.part->MatchFilter(kCritObjNr), 0);
}

TEST_F(SuchkriteriumPartFilter, AbsentSlotsTakePartWithTilde) {
  Parsed p = ParseBehindHeader(Item("AS", "DLOB2006", "12"));
  SetArgs({{"~", "~"}});
  EXPECT_EQ(p.part->MatchFilter(kCritObjNr), 1);
  EXPECT_EQ(p.part->MatchFilter(kCritHlspStatus), 1);
  EXPECT_EQ(p.part->MatchFilter(kCritNumBez), 1);
  EXPECT_EQ(p.part->MatchFilter(kCritKartentyp), 0);
  // "~" sorts behind letters and digits, so an ordinary range leaves absent slots out.
  SetArgs({{"000", "zzz"}});
  EXPECT_EQ(p.part->MatchFilter(kCritObjNr), 0);
  EXPECT_EQ(p.part->MatchFilter(kCritKartentyp), 1);
}

TEST_F(SuchkriteriumPartFilter, StatusCriterionTriesAllFourSlots) {
  Parsed p = ParseBehindHeader(Item("AS", "DLPU2001", "100") + Item("AN", "DLPU3001", "200") +
                               Item("AN", "DLPU4001", "300") + Item("AN", "DLPU7001", "400"));
  ASSERT_EQ(p.error, 0);
  for (const char* status : {"100", "200", "300", "400"}) {
    SetArgs({{status, status}});
    EXPECT_EQ(p.part->MatchFilter(kCritHlspStatus), 1) << status;
  }
  SetArgs({{"500", "999"}});
  EXPECT_EQ(p.part->MatchFilter(kCritHlspStatus), 0);
}
