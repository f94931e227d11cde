#include "records/ulob2100_part.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/kind_texts.h"
#include "support/part_test.h"
#include "platform/cp1252_literal.h"

namespace {

using part_test::Row;

// The aggregate with each field padded (or cut) to its width; the part number only for ULOB2100.
std::string Aggregate(std::string kind, std::string text, std::string geometry = "51", std::string objectType = "  2101",
                      std::string mapType = "01", std::string partNumber = "007") {
  auto pad = [](std::string s, std::size_t w) {
    s.resize(w, ' ');
    return s;
  };
  return pad(kind, 2) + pad(mapType, 2) + pad(objectType, 6) + pad(text, 33) + pad(geometry, 2) +
         pad(partNumber, 3);
}

class SpecialInfoPartTest : public part_test::PartTest {
 protected:
  // Parses a ULOB2100 part from `aggregate` and fills the detail table; returns FillDetail's n.
  int Detail(const std::string& aggregate, int type = kPtUlob2100) {
    Parse(aggregate);
    int error = -1;
    std::string link;
    CUlob2100Part part(error, type, link);
    EXPECT_EQ(error, 0);
    return part.FillDetail();
  }

  static int Match(const std::string& aggregate, int criterion) {
    Parse(aggregate);
    int error = -1;
    std::string link;
    CUlob2100Part part(error, kPtUlob2100, link);
    return part.MatchFilter(criterion);
  }
};

// --- Reading the aggregate ---

TEST_F(SpecialInfoPartTest, ReadsAllFieldsAtCursorAndHandsOnGeometryKind) {
  const std::string agg = Aggregate("21", CP("Hauptstraße"), "53", "A12345", "02", "123");
  Parse("EDBS" + agg + "rest", 4);
  int error = -1;
  std::string link = "old";
  CUlob2100Part part(error, kPtUlob2100, link);
  EXPECT_EQ(error, 0);
  EXPECT_EQ(g_parsePos, 52);
  EXPECT_EQ(link, "53");
  EXPECT_EQ(part.m_type, kPtUlob2100);
  EXPECT_EQ(part.GetInfoKind(), "21");
  EXPECT_EQ(part.GetObjectType(), "A12345");
  EXPECT_EQ(part.GetGeometryKind(), "53");
  EXPECT_EQ(part.GetInfoText(), CP("Hauptstraße                      "));
  EXPECT_EQ(part.GetListText(0), agg);
}

TEST_F(SpecialInfoPartTest, AlkVariantReads45CharactersWithoutPartNumber) {
  const std::string agg = Aggregate("21", "Text", "11", "  2101", "01", "");
  ASSERT_EQ(agg.size(), 48u);
  Parse(agg.substr(0, 45) + "999");
  int error = -1;
  std::string link;
  CUlob2100Part part(error, kPtUlo21Alk, link);
  EXPECT_EQ(error, 0);
  EXPECT_EQ(g_parsePos, 45);
  EXPECT_EQ(part.GetListText(0), agg.substr(0, 45));
  EXPECT_EQ(part.GetListText(0).size(), 45u);
}

TEST_F(SpecialInfoPartTest, TooShortRecordReadsNothing) {
  Parse("EDBS" + Aggregate("21", "Text").substr(0, 47), 4);
  int error = -1;
  std::string link = "11";
  CUlob2100Part part(error, kPtUlob2100, link);
  EXPECT_EQ(error, 106);
  EXPECT_EQ(g_parsePos, 4);
  EXPECT_EQ(link, "11");
  EXPECT_EQ(part.GetInfoKind(), "");
  EXPECT_EQ(part.GetInfoText(), "");
  EXPECT_EQ(part.GetListText(0), "");

  Parse(std::string(44, '1'));
  CUlob2100Part alk(error, kPtUlo21Alk, link);
  EXPECT_EQ(error, 110);
  EXPECT_EQ(g_parsePos, 0);
}

TEST_F(SpecialInfoPartTest, NulBytesAreOrdinaryCharacters) {
  std::string agg = Aggregate("21", "ab");
  agg[11] = '\0';
  Parse(agg);
  int error = -1;
  std::string link;
  CUlob2100Part part(error, kPtUlob2100, link);
  EXPECT_EQ(error, 0);
  EXPECT_EQ(part.GetInfoText().size(), 33u);
  EXPECT_EQ(part.GetListText(0), agg);
}

// --- Detail rows ---

TEST_F(SpecialInfoPartTest, UnlistedKindShowsTheRawFields) {
  EXPECT_EQ(Detail(Aggregate("19", "Name", "52", "  2101", "01", "007")), 6);
  ExpectRows(0, {{"ULOB2100", "Besondere Information", ""},
                 {"DLOB2101", "Art der besonderen Information:", "19"},
                 {"DLOB2102", "Kartentyp:", "01"},
                 {"DLOB2103", "Objektart/Untergangsdatum:", "  2101"},
                 {"DLOB2104", "Objektname:", "Name                             "},
                 {"DLOB2105", "Art der Geometrie:", CP("52 (Repräsentant für Punkthaufen / Symbol)")},
                 {"DLOB2106", "Objektteilnummer:", "007"}});
}

TEST_F(SpecialInfoPartTest, AlkVariantHasEmptyRowSix) {
  DetailTable.Set(6, "x", "y", "z");
  EXPECT_EQ(Detail(Aggregate("19", "Name", "11").substr(0, 45), kPtUlo21Alk), 6);
  ExpectRows(0, {{"ULO21ALK", "Besondere Information", ""}});
  ExpectRows(5, {{"DLOB2105", "Art der Geometrie:", "11 (Gerade)"}, {"", "", ""}});
}

TEST_F(SpecialInfoPartTest, UnknownGeometryKindShownAsRead) {
  Detail(Aggregate("19", "", "42"));
  EXPECT_EQ(DetailTable.Value(5), "42");
}

TEST_F(SpecialInfoPartTest, RowFourLabelAndValueByKind) {
  const std::string text = "0123456789abcdefghijklmnopqrstuvw";  // 33 characters
  const std::vector<Row> cases = {
      {"21", "freie Beschriftung:", text.substr(0, 31)},
      {"22", CP("Schlüssel der Strasse:"), text.substr(0, 17)},
      {"23", "freie Beschriftung:", text.substr(0, 17)},
      {"29", CP("Objekthöhe:"), text.substr(0, 31)},
      {"31", "Objektausgestaltung:", "keine Belegung"},
      {"62", "Kartennetz:", "keine Belegung"},
      {"63", CP("Flurübersicht:"), text.substr(0, 31)},
      {"71", "Nicht dargestellte Information:", text},
      {"99", "historischer Objektname:", text.substr(2, 31)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Detail(Aggregate(c.tag, text)), 6) << c.tag;
    ExpectRows(0, {{"ULOB2100", "Besondere Information", ""}});
    ExpectRows(4, {{"DLOB2104", c.label, c.value}});
  }
}

TEST_F(SpecialInfoPartTest, HierarchyKindsShowObjectNumber) {
  EXPECT_EQ(Detail(Aggregate("41", "1234567890XYZ")), 2);
  ExpectRows(0, {{"ULOB2100", CP("Information zum hierarchisch übergeordneten Objekt"), ""},
                 {"DLOB2101", "Art der besonderen Information:", "41"},
                 {"DLOB2102", CP("Objektnr. des übergeordneten Objekts:"), "1234567890"}});
  EXPECT_EQ(Detail(Aggregate("42", "1234567890XYZ")), 2);
  ExpectRows(0, {{"ULOB2100", "Information zum hierarchisch untergeordneten Objekt", ""}});
  ExpectRows(2, {{"DLOB2102", "Objektnr. des untergeordneten Objekts:", "1234567890"}});
}

TEST_F(SpecialInfoPartTest, AtkisNameKindsAndText) {
  EXPECT_EQ(Detail(Aggregate("44", "GNRhein")), 3);
  ExpectRows(0, {{"ULOB2100", "Atkis-Namen", ""},
                 {"DLOB2101", "Art der besonderen Information:", "44"},
                 {"DLOB2102", "Art des Namens:", "GN (Geographischer Name)"},
                 {"DLOB2103", "Namenstext:", "Rhein                          "}});
  Detail(Aggregate("44", "KNWeg"));
  EXPECT_EQ(DetailTable.Value(2), CP("KN (Straßenbezeichnung)"));
  Detail(Aggregate("44", "ZNWeg"));
  EXPECT_EQ(DetailTable.Value(2), "ZN (Zweitname)");
  Detail(Aggregate("44", "XYWeg"));
  EXPECT_EQ(DetailTable.Value(2), "XY");
}

TEST_F(SpecialInfoPartTest, MatrixFeatureRows) {
  EXPECT_EQ(Detail(Aggregate("45", "0100200000001234000000567812")), 7);
  ExpectRows(0, {{"ULOB2100", "Matrixmerkamle", ""},
                 {"DLOB2101", "Art der besonderen Information:", "45"},
                 {"DLOB2102", CP("Auflösung der Zeilen:"), "010"},
                 {"DLOB2103", CP("Auflösung der Spalten:"), "020"},
                 {"DLOB2104", "Zahl der Zeilen:", "0000001234"},
                 {"DLOB2105", "Zahl der Spalten:", "0000005678"},
                 {"DLOB2106", "Datentyp der Matrixwerte:", "1"},
                 {"DLOB2107", "Speicherform:", "2"}});
}

TEST_F(SpecialInfoPartTest, OverpassAndUnderpassReferences) {
  const std::string text = "1111111AAA2222222BBB";
  EXPECT_EQ(Detail(Aggregate("46", text)), 5);
  ExpectRows(0, {{"ULOB2100", CP("Information zur Überführung"), ""},
                 {"DLOB2101", "Art der besonderen Information:", "46"},
                 {"DLOB2102", CP("Objektnummer Überführung:"), "1111111"},
                 {"DLOB2103", CP("Objektteilnummer Überführung:"), "AAA"},
                 {"DLOB2104", CP("Objektnummer Unterführung:"), "2222222"},
                 {"DLOB2105", CP("Objektteilnummer Unterführung:"), "BBB"}});
  EXPECT_EQ(Detail(Aggregate("47", text)), 5);
  ExpectRows(0, {{"ULOB2100", CP("Information zur Unterführung"), ""},
                 {"DLOB2101", "Art der besonderen Information:", "47"},
                 {"DLOB2102", CP("Objektnummer Unterführung:"), "1111111"},
                 {"DLOB2103", CP("Objektteilnummer Unterführung:"), "AAA"},
                 {"DLOB2104", CP("Objektnummer Überführung:"), "2222222"},
                 {"DLOB2105", CP("Objektteilnummer Überführung:"), "BBB"}});
}

TEST_F(SpecialInfoPartTest, PartEntryAndDkmReferences) {
  EXPECT_EQ(Detail(Aggregate("48", "012")), 2);
  ExpectRows(0, {{"ULOB2100", CP("Objektteileintrag bei punktförmigen Objekten"), ""}});
  ExpectRows(2, {{"DLOB2102", "Objektteilnummer:", "012                              "}});

  EXPECT_EQ(Detail(Aggregate("51", "7654321003")), 3);
  ExpectRows(0, {{"ULOB2100", CP("DKM-Referenz vom weiteren Objekt zum ausgewählten DKM-Objekt"), ""},
                 {"DLOB2101", "Art der besonderen Information:", "51"},
                 {"DLOB2102", "Objektnummer:", "7654321"},
                 {"DLOB2103", "Objektteilnummer:", "003"}});
  EXPECT_EQ(Detail(Aggregate("52", "7654321003")), 3);
  ExpectRows(0, {{"ULOB2100", CP("DKM-Referenz vom ausgewählten DKM-Objekt zum weiteren Objekt"), ""}});
}

TEST_F(SpecialInfoPartTest, TextAdditionWithPositionTakesItsPieceFromTheText) {
  EXPECT_EQ(Detail(Aggregate("24", "0205ABCDEFGHIJ")), 6);
  ExpectRows(4, {{"DLOB2104", "Schriftzusatz mit Position:", "CDEFG"}});
}

TEST_F(SpecialInfoPartTest, TextAdditionNeverReadsOutsideTheText) {
  Detail(Aggregate("24", "2599ABCDEFGHIJKLMNOPQRSTUVWXYZ123"));
  EXPECT_EQ(DetailTable.Value(4), "Z123");  // from 29 to the end of the field
  Detail(Aggregate("24", "9905ABCDEFGHIJ"));
  EXPECT_EQ(DetailTable.Value(4), "");
  Detail(Aggregate("24", "-903ABCDEFGHIJ"));  // position before the text starts at 0
  EXPECT_EQ(DetailTable.Value(4), "-90");
  Detail(Aggregate("24", "02-5ABCDEFGHIJ"));  // negative length
  EXPECT_EQ(DetailTable.Value(4), "");
  Detail(Aggregate("24", "xy05ABCDEFGHIJ"));  // non-numeric position counts as 0
  EXPECT_EQ(DetailTable.Value(4), "ABCDE");
}

TEST_F(SpecialInfoPartTest, Ain80AttributeIsSplitAtDollarSigns) {
  for (int r = 7; r <= 9; ++r) DetailTable.Set(r, "old", "old", "old");
  EXPECT_EQ(Detail(Aggregate("80", "xHOEHE$R123.5$")), 9);
  ExpectRows(4, {{"DLOB2104", "AIN80-Attribut:", "xHOEHE$R123.5$                   "}});
  ExpectRows(7, {{"", "Attributname:", "HOEHE"}, {"", "Datentyp:", "R"}, {"", "Attributwert:", "123.5"}});
}

TEST_F(SpecialInfoPartTest, Ain80WithoutDollarSignsKeepsNameAndValueEmpty) {
  for (int r = 7; r <= 9; ++r) DetailTable.Set(r, "old", "old", "old");
  EXPECT_EQ(Detail(Aggregate("80", "xNAME")), 9);
  ExpectRows(7, {{"", "Attributname:", ""}, {"", "Datentyp:", "N"}, {"", "Attributwert:", ""}});
  Detail(Aggregate("80", "x$I7"));  // dollar sign right at the start: no name, no closing sign
  ExpectRows(7, {{"", "Attributname:", ""}, {"", "Datentyp:", "I"}, {"", "Attributwert:", ""}});
  std::string full(33, '$');
  Detail(Aggregate("80", full));
  ExpectRows(7, {{"", "Attributname:", ""}, {"", "Datentyp:", "$"}, {"", "Attributwert:", ""}});
}

// --- Object-name keys (kinds 11 to 17) ---

TEST_F(SpecialInfoPartTest, ParcelKeyIsDecodedFromRowSeven) {
  EXPECT_EQ(Detail(Aggregate("13", "FS0912340050012304507")), 12);
  ExpectRows(4, {{"DLOB2104", "Objektname:", "FS0912340050012304507            "}});
  ExpectRows(7, {{"", "Land:                 09", ""},
                 {"", "Gemarkung:            1234", ""},
                 {"", "Flur:                 005", ""},
                 {"", CP("Flurstücksnr. Zähler: 00123"), ""},
                 {"", CP("Flurstücksnr. Nenner: 045"), ""},
                 {"", CP("Flurstück Folgenr:    07"), ""}});
}

TEST_F(SpecialInfoPartTest, AddressLabelsArePaddedTo21) {
  EXPECT_EQ(Detail(Aggregate("11", "HA05312345678901234ABCD001")), 14);
  ExpectRows(7, {{"", "Land:                05", ""},
                 {"", "Regierungsbezirk:    3", ""},
                 {"", "Kreis:               12", ""},
                 {"", "Gemeinde:            345", ""},
                 {"", "Strasse:             67890", ""},
                 {"", "Hausnummer:          1234", ""},
                 {"", "Adresszusatz:        ABCD", ""},
                 {"", "Laufende Nummer:     001", ""}});
}

TEST_F(SpecialInfoPartTest, EveryFachkennungReturnsItsLastRow) {
  const std::vector<std::pair<std::string, int>> keys = {
      {"HA", 14}, {"GM", 8},  {"0G", 9},  {"FL", 9},  {"0F", 10}, {"FS", 12}, {"FB", 12},
      {"LA", 8},  {"  ", 9},  {"SB", 12}, {"SG", 11}, {"BA", 13}, {"XY", 6},  {"fs", 6},
  };
  for (const auto& [key, last] : keys) {
    EXPECT_EQ(Detail(Aggregate("15", key + "0123456789012345678901234")), last) << key;
  }
}

TEST_F(SpecialInfoPartTest, KeyLayoutsTakeTheirPieces) {
  Detail(Aggregate("12", "0F11223344"));
  ExpectRows(7, {{"", "Katasteramt:          11", ""},
                 {"", "Gemeinde:             22", ""},
                 {"", "Gemarkung:            33", ""},
                 {"", "Flur:                 44", ""}});
  Detail(Aggregate("17", "  12345678P98765"));
  ExpectRows(7, {{"", "Numerierungsbezirk:   12345678", ""},
                 {"", "Punktart:             P", ""},
                 {"", "Punktnummer:          98765", ""}});
  Detail(Aggregate("16", "BA0531234567890123456"));
  ExpectRows(11, {{"", "Tab-Ken:              6", ""},
                  {"", "Strasse:              78901", ""},
                  {"", "Laufende Nummer:      2345", ""}});
}

TEST_F(SpecialInfoPartTest, UnknownFachkennungAddsNothing) {
  DetailTable.Set(7, "keep", "keep", "keep");
  EXPECT_EQ(Detail(Aggregate("15", "XY0912340050012304507")), 6);
  EXPECT_EQ(DetailTable.Label(7), "keep");
}

TEST_F(SpecialInfoPartTest, KindEighteenIsNoKeyKind) {
  EXPECT_EQ(Detail(Aggregate("18", "FS0912340050012304507")), 6);
  EXPECT_EQ(Detail(Aggregate("10", "FS0912340050012304507")), 6);
}

TEST_F(SpecialInfoPartTest, FailedPartShowsEmptyFields) {
  Parse("21");
  int error = -1;
  std::string link;
  CUlob2100Part part(error, kPtUlob2100, link);
  EXPECT_EQ(error, 106);
  EXPECT_EQ(part.FillDetail(), 6);
  ExpectRows(1, {{"DLOB2101", "Art der besonderen Information:", ""}});
  ExpectRows(5, {{"DLOB2105", "Art der Geometrie:", ""}, {"DLOB2106", "Objektteilnummer:", ""}});
}

// --- Filter ---

TEST_F(SpecialInfoPartTest, ObjectKindFilterIgnoresLeadingBlanks) {
  SetArgs({{"2101", "2101"}});
  EXPECT_EQ(Match(Aggregate("21", "", "51", "  2101"), 11), 1);
  EXPECT_EQ(Match(Aggregate("21", "", "51", "  2102"), 11), 0);
  SetArgs({{"x101", "x101"}});
  EXPECT_EQ(Match(Aggregate("21", "", "51", "  2101"), 111), 1);
  EXPECT_EQ(Match(Aggregate("21", "", "51", "  2102"), 111), 0);
}

TEST_F(SpecialInfoPartTest, MapTypeRangeAndExactKinds) {
  SetArgs({{"aa", "AC"}});
  EXPECT_EQ(Match(Aggregate("21", "", "51", "  2101", "Ab"), 15), 1);
  EXPECT_EQ(Match(Aggregate("21", "", "51", "  2101", "AD"), 15), 0);
  SetArgs({{"53"}});
  EXPECT_EQ(Match(Aggregate("21", "", "53"), 16), 1);
  EXPECT_EQ(Match(Aggregate("53", "", "51"), 16), 0);
  EXPECT_EQ(Match(Aggregate("53", "", "51"), 17), 1);
  EXPECT_EQ(Match(Aggregate("21", "", "53"), 17), 0);
}

TEST_F(SpecialInfoPartTest, FachkennungFilterOnlyForNameKinds) {
  SetArgs({{"FS"}});
  EXPECT_EQ(Match(Aggregate("13", "FS09"), 18), 1);
  EXPECT_EQ(Match(Aggregate("19", "FS09"), 18), 1);
  EXPECT_EQ(Match(Aggregate("44", "FS09"), 18), 1);
  EXPECT_EQ(Match(Aggregate("21", "FS09"), 18), 0);
  EXPECT_EQ(Match(Aggregate("13", "fs09"), 18), 0);
}

TEST_F(SpecialInfoPartTest, UnlistedCriteriaNeverMatch) {
  SetArgs({{"", "zzzzzzzz"}});
  const std::string agg = Aggregate("21", "", "53");
  EXPECT_EQ(Match(agg, kCritKartentyp), 1);
  for (int c : {kCritDatei, kCritAggregat, kCritKoordinate, kCritNumBez, kCritFolie, kCritObjTyp, kCritObjNr, kCritText, kCritFehler}) EXPECT_EQ(Match(agg, c), 0) << c;
}

}  // namespace

// The kinds compared byte by byte as the strings "11" to "19" order them; a high byte is above "9".
TEST(FachkennungKind, KindsFrom11To19InByteOrderAnd44) {
  for (const char* kind : {"11", "15", "19", "44", "1199", "1\x39"}) EXPECT_TRUE(IsFachkennungKind(kind)) << kind;
  for (const char* kind : {"", "1", "10", "1:", "190", "1\xC4", "4", "440", "45", "XX", "21"}) {
    EXPECT_FALSE(IsFachkennungKind(kind)) << kind;
  }
}
