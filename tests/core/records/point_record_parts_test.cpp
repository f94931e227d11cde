#include "records/point_record_parts.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/part_test.h"
#include "platform/cp1252_literal.h"

namespace {

using part_test::Row;

// 66 distinct characters: every field of a layout shows a different slice, so a shifted offset
// or a wrong width shows up in the values.
const std::string kDistinct = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz+-*/";

class PointRecordPartsTest : public part_test::PartTest {
 protected:
  // Reads an aggregate of `width` distinct characters behind a four-character prefix.
  static void SetAggregateBehindPrefix(std::size_t width) { Parse("EDBS" + kDistinct.substr(0, width), 4); }

  template <class P>
  static void ExpectNeedsFullWidth(int type) {
    Parse("EDBS" + kDistinct.substr(0, P::kWidth - 1), 4);
    int error = -1;
    P part(error);
    EXPECT_EQ(100 + type, error);
    EXPECT_EQ(4, g_parsePos);
    EXPECT_EQ(type, part.m_type);
    EXPECT_EQ("", part.GetListText(0));
  }
};

using PointRecordParts = PointRecordPartsTest;
using PointRecordPartsDetail = PointRecordPartsTest;
using PointRecordPartsFilter = PointRecordPartsTest;

}  // namespace

// --- Reading -------------------------------------------------------------------------------

TEST_F(PointRecordParts, ElementsAreFoundByTheirTag) {
  SetAggregateBehindPrefix(CUlpu2000Part::kWidth);
  int error = -1;
  const CUlpu2000Part lage(error);
  ASSERT_EQ(0, error);
  EXPECT_EQ(kDistinct.substr(3, 10), lage.GetElement("DLPU2002"));   // Rechtswert
  EXPECT_EQ(kDistinct.substr(13, 10), lage.GetElement("DLPU2003"));  // Hochwert
  EXPECT_EQ(kDistinct.substr(36, 9), lage.GetElement("DLPU2008"));
  EXPECT_EQ("", lage.GetElement("DLPU0001"));
  EXPECT_EQ("", lage.GetElement(""));
  SetAggregateBehindPrefix(CUlpu6000Part::kWidth);
  const CUlpu6000Part festpunkt(error);
  // The title carries a tag of its own but no characters.
  EXPECT_EQ("", festpunkt.GetElement("DLPU6000"));
  EXPECT_EQ(kDistinct.substr(0, 1), festpunkt.GetElement("DLPU6001"));
}

TEST_F(PointRecordParts, EveryPartNeedsItsFullWidth) {
  ExpectNeedsFullWidth<CUlpu0000Part>(14);
  ExpectNeedsFullWidth<CUlpu1000Part>(15);
  ExpectNeedsFullWidth<CUlpu2000Part>(16);
  ExpectNeedsFullWidth<CUlpu3000Part>(17);
  ExpectNeedsFullWidth<CUlpu4000Part>(18);
  ExpectNeedsFullWidth<CUlpu5000Part>(19);
  ExpectNeedsFullWidth<CUlpu6000Part>(20);
  ExpectNeedsFullWidth<CUlpu6100Part>(21);
  ExpectNeedsFullWidth<CUlpu7000Part>(22);
}

TEST_F(PointRecordParts, ListTextIsTheAggregateAsReadWithNulAndBlanks) {
  std::string aggregate = "125" + std::string("  4711.234") + std::string(1, '\0') + std::string(31, ' ');
  ASSERT_EQ(45u, aggregate.size());
  Parse(aggregate + "REST");
  int error = -1;
  CUlpu2000Part part(error);
  EXPECT_EQ(0, error);
  EXPECT_EQ(aggregate, part.GetListText(7));
}

TEST_F(PointRecordParts, UnreadPartShowsItsRowsWithEmptyValues) {
  Parse("short");
  int error = 0;
  CUlpu5000Part part(error);
  ASSERT_EQ(119, error);
  const std::vector<Row> expected = {
      {"ULPU5000", "Bemerkung zum Punkt", ""},
      {"DLPU5001", "Zeilennummer der Bemerkung:", ""},
      {"DLPU5002", "Text der Bemerkung:", ""},
  };
  EXPECT_EQ(expected, DetailRows(part, 2));
}

// --- Detail rows ---------------------------------------------------------------------------

TEST_F(PointRecordPartsDetail, Ulpu0000ShowsIdentityAndAdministration) {
  SetAggregateBehindPrefix(65);
  int error = -1;
  CUlpu0000Part part(error);
  ASSERT_EQ(0, error);
  EXPECT_EQ(69, g_parsePos);
  const std::vector<Row> expected = {
      {"ULPU0000", "Punktkennzeichen, Verwaltung", ""},
      {"", "Punktkennzeichen mit", ""},
      {"DLPU0001", "- Numerierungsbezirk:", "01234567"},
      {"DLPU0002", "- Punktart:", "8"},
      {"DLPU0003", "- Punktnummer:", "9ABCD"},
      {"DLPU0004", CP("Prüfzeichen:"), "E"},
      {"DLPU0005", "Punktstatus:", "F"},
      {"DLPU0006", CP("zuständige Stelle:"), "GHIJKLM"},
      {"DLPU0007", CP("Aktualität des Punktes:"), "NO"},
      {"DLPU0008", CP("Spezielle Aktualität:"), "PQ"},
      {"DLPU0009", "Vermarkungsart:", "RST"},
      {"DLPU000A", "Bemerkung zur Vermarkung:", "UVWX"},
      {"DLPU000B", "Entstehung des Punktes:", "YZabcdefghijklm"},
      {"DLPU000C", "Untergang des Punktes:", "nopqrstuvwxyz+-"},
      {"DLPU000D", CP("Kennung für Bemerkung:"), "*"},
  };
  EXPECT_EQ(expected, DetailRows(part, 14));
}

TEST_F(PointRecordPartsDetail, Ulpu1000ShowsTheNoteFromTheSurvey) {
  SetAggregateBehindPrefix(16);
  int error = -1;
  CUlpu1000Part part(error);
  ASSERT_EQ(0, error);
  const std::vector<Row> expected = {
      {"ULPU1000", CP("Hinweis aus Meßeinheit"), ""},
      {"DLPU0001", CP("Hinweis aus Meßeinheit:"), "0123456789ABCDEF"},
  };
  EXPECT_EQ(expected, DetailRows(part, 1));
}

TEST_F(PointRecordPartsDetail, Ulpu2000ShowsPosition) {
  SetAggregateBehindPrefix(45);
  int error = -1;
  CUlpu2000Part part(error);
  ASSERT_EQ(0, error);
  const std::vector<Row> expected = {
      {"ULPU2000", "Lage", ""},
      {"DLPU2001", "Lagestatus:", "012"},
      {"", "Lagekoordianten mit", ""},
      {"DLPU2002", "- Rechtswert:", "3456789ABC"},
      {"DLPU2003", "- Hochwert:", "DEFGHIJKLM"},
      {"", "Lagegenauigkeit mit", ""},
      {"DLPU2004", "- Art der Lagegenauigkeit:", "N"},
      {"DLPU2005", "- Wert der Lagegenauigkeit:", "OPQRSTUV"},
      {"DLPU2006", CP("Lagezuverlässigkeit:"), "W"},
      {"", "Berechnungshinweis Lage mit", ""},
      {"DLPU2007", "- Jahr der Berechnung:", "XYZ"},
      {"DLPU2008", "- Aktenhinweis:", "abcdefghi"},
  };
  EXPECT_EQ(expected, DetailRows(part, 11));
}

TEST_F(PointRecordPartsDetail, Ulpu3000ShowsHeight) {
  SetAggregateBehindPrefix(34);
  int error = -1;
  CUlpu3000Part part(error);
  ASSERT_EQ(0, error);
  const std::vector<Row> expected = {
      {"ULPU3000", CP("Höhe"), ""},
      {"DLPU3001", CP("Höhenstatus:"), "012"},
      {"DLPU3002", CP("Höhenangabe:"), "3456789A"},
      {"DLPU3003", CP("Jahr, Monat der Höhenmessung:"), "BCDEF"},
      {"", CP("Höhengenauigkeit mit"), ""},
      {"DLPU3004", CP("- Art der Höhengenauigkeit:"), "G"},
      {"DLPU3005", CP("- Wert der Höhengenauigkeit:"), "HIJK"},
      {"DLPU3006", CP("Höhenzuverlässigkeit:"), "L"},
      {"", CP("Berechnungshinweis Höhe mit"), ""},
      {"DLPU3007", "- Jahr der Berechnung:", "MNO"},
      {"DLPU3008", "- Aktenhinweis", "PQRSTUVWX"},
  };
  EXPECT_EQ(expected, DetailRows(part, 10));
}

TEST_F(PointRecordPartsDetail, Ulpu4000ShowsGravity) {
  SetAggregateBehindPrefix(36);
  int error = -1;
  CUlpu4000Part part(error);
  ASSERT_EQ(0, error);
  const std::vector<Row> expected = {
      {"ULPU4000", "Schwere", ""},
      {"DLPU4001", "Schwerestatus:", "012"},
      {"DLPU4002", "Schwerewert:", "3456789ABC"},
      {"DLPU4003", "Jahr, Monat der Schweremessung:", "DEFGH"},
      {"", "Schweregenauigkeit mit", ""},
      {"DLPU4004", "- Art der Schweregenauigkeit:", "I"},
      {"DLPU4005", "- Wert der Schweregenauigkeit:", "JKLM"},
      {"DLPU4006", CP("Schwerezuverlässigkeit:"), "N"},
      {"", "Berechnunghinweis Schwere mit", ""},
      {"DLPU4007", "- Jahr der Berechnung:", "OPQ"},
      {"DLPU4008", "- Aktenhinweis:", "RSTUVWXYZ"},
  };
  EXPECT_EQ(expected, DetailRows(part, 10));
}

TEST_F(PointRecordPartsDetail, Ulpu5000ShowsTheRemark) {
  SetAggregateBehindPrefix(19);
  int error = -1;
  CUlpu5000Part part(error);
  ASSERT_EQ(0, error);
  const std::vector<Row> expected = {
      {"ULPU5000", "Bemerkung zum Punkt", ""},
      {"DLPU5001", "Zeilennummer der Bemerkung:", "0"},
      {"DLPU5002", "Text der Bemerkung:", "123456789ABCDEFGHI"},
  };
  EXPECT_EQ(expected, DetailRows(part, 2));
}

TEST_F(PointRecordPartsDetail, Ulpu6000TitleCarriesTheElementName) {
  SetAggregateBehindPrefix(19);
  int error = -1;
  CUlpu6000Part part(error);
  ASSERT_EQ(0, error);
  const std::vector<Row> expected = {
      {"DLPU6000", "Festpunkt-Verwaltung", ""},
      {"DLPU6001", "Ordnung des Festpunktes:", "0"},
      {"", CP("Stabilität mit"), ""},
      {"DLPU6002", CP("- Güte der Stabilität:"), "1"},
      {"DLPU6003", CP("- Güte des Trägers der Marke:"), "2"},
      {"DLPU6004", CP("- Topographie und Umwelteinflüsse:"), "3"},
      {"DLPU6005", CP("- Güte des Baugrundes:"), "4"},
      {"DLPU6006", CP("- Geologische Stabilität:"), "5"},
      {"DLPU6007", "- Grundwasserstand:", "6"},
      {"DLPU6008", "- Grundwasserschwankung:", "7"},
      {"DLPU6009", CP("- Höhenstabilität aus Wiederholungsmessungen:"), "8"},
      {"DLPU600A", CP("Veränderung:"), "9"},
      {"DLPU600B", CP("Letzte Überwachung / Überprüfung:"), "ABCDE"},
      {"DLPU600C", "Darstellungshinweis:", "FG"},
      {"DLPU600D", CP("Schwerestabilität aus Wiederholungsmessungen:"), "H"},
      {"DLPU600E", CP("Lagestabilität aus Wiederholungsmessungen:"), "I"},
  };
  EXPECT_EQ(expected, DetailRows(part, 15));
}

TEST_F(PointRecordPartsDetail, Ulpu6100ShowsTheName) {
  SetAggregateBehindPrefix(36);
  int error = -1;
  CUlpu6100Part part(error);
  ASSERT_EQ(0, error);
  const std::vector<Row> expected = {
      {"ULPU6100", CP("Name, nähere Lagebezeichnung"), ""},
      {"DLPU6101", CP("Name, nähere Lagebezeichnung:"), "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
  };
  EXPECT_EQ(expected, DetailRows(part, 1));
}

TEST_F(PointRecordPartsDetail, Ulpu7000ShowsThreeDimensionalPosition) {
  SetAggregateBehindPrefix(64);
  int error = -1;
  CUlpu7000Part part(error);
  ASSERT_EQ(0, error);
  const std::vector<Row> expected = {
      {"ULPU7000", "Position", ""},
      {"DLPU7001", "Positionsstatus:", "012"},
      {"", "Positionskoordinaten mit", ""},
      {"DLPU7002", "- X-Wert:", "3456789ABC"},
      {"DLPU7003", "- Y-Wert:", "DEFGHIJKLM"},
      {"DLPU7004", "- Z-Wert:", "NOPQRSTUVW"},
      {"DLPU7005", "Jahr, Monat der Positionsmessung:", "XYZab"},
      {"", "Positionsgenauigkeit mit", ""},
      {"DLPU7006", "- Art der Positionsgenauigkeit:", "c"},
      {"DLPU7007", "- Wert der Positionsgenauigkeit:", "defghijklmno"},
      {"DLPU7008", CP("Postionszuverlässigkeit:"), "p"},
      {"", "Berechnungshinweis Position mit", ""},
      {"DLPU7009", "Jahr der Berechnung:", "qrs"},
      {"DLPU700A", "Aktenhinweis:", "tuvwxyz+-"},
  };
  EXPECT_EQ(expected, DetailRows(part, 13));
}

// --- Filter --------------------------------------------------------------------------------

TEST_F(PointRecordPartsFilter, Ulpu0000CriteriaTestTheirOwnFields) {
  SetAggregateBehindPrefix(65);
  int error = -1;
  CUlpu0000Part part(error);
  ASSERT_EQ(0, error);
  SetArgs({{"01234567", "01234567"}});
  EXPECT_EQ(1, part.MatchFilter(kCritNumBez));
  SetArgs({{"NO", "NO"}});
  EXPECT_EQ(1, part.MatchFilter(kCritAktualitaet));
  SetArgs({{"8", "8"}});
  EXPECT_EQ(1, part.MatchFilter(kCritPktArt));
  EXPECT_EQ(0, part.MatchFilter(kCritPktStatus));
  SetArgs({{"F", "F"}});
  EXPECT_EQ(1, part.MatchFilter(kCritPktStatus));
  EXPECT_EQ(0, part.MatchFilter(kCritPktArt));
  SetArgs({{"9ABCD", "9ABCD"}});
  EXPECT_EQ(1, part.MatchFilter(kCritPktNr));
  EXPECT_EQ(0, part.MatchFilter(kCritNumBez));
}

TEST_F(PointRecordPartsFilter, StatusRangeComparesText) {
  SetArgs({{"120", "130"}});
  auto heightStatus = [](const std::string& status) {
    Parse(status + std::string(31, '0'));
    int error = -1;
    CUlpu3000Part part(error);
    return part.MatchFilter(kCritHlspStatus);
  };
  EXPECT_EQ(1, heightStatus("125"));
  EXPECT_EQ(0, heightStatus("131"));
  EXPECT_EQ(1, heightStatus("13 "));
}

TEST_F(PointRecordPartsFilter, EachPartAnswersOnlyItsCriteria) {
  g_parseText = kDistinct;
  const auto answered = [](auto&& make) {
    g_parsePos = 0;
    int error = -1;
    auto part = make(error);
    EXPECT_EQ(0, error);
    return AnsweredCriteria(*part);
  };
  const std::vector<int> none;
  const std::vector<int> status = {kCritHlspStatus};
  EXPECT_EQ((std::vector<int>{kCritNumBez, kCritAktualitaet, kCritPktArt, kCritPktStatus, kCritPktNr}),
            answered([](int& e) { return std::make_unique<CUlpu0000Part>(e); }));
  EXPECT_EQ(none, answered([](int& e) { return std::make_unique<CUlpu1000Part>(e); }));
  EXPECT_EQ(status, answered([](int& e) { return std::make_unique<CUlpu2000Part>(e); }));
  EXPECT_EQ(status, answered([](int& e) { return std::make_unique<CUlpu3000Part>(e); }));
  EXPECT_EQ(status, answered([](int& e) { return std::make_unique<CUlpu4000Part>(e); }));
  EXPECT_EQ(none, answered([](int& e) { return std::make_unique<CUlpu5000Part>(e); }));
  EXPECT_EQ(none, answered([](int& e) { return std::make_unique<CUlpu6000Part>(e); }));
  EXPECT_EQ(none, answered([](int& e) { return std::make_unique<CUlpu6100Part>(e); }));
  EXPECT_EQ(status, answered([](int& e) { return std::make_unique<CUlpu7000Part>(e); }));
}
