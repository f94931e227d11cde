#include "records/order_header_part.h"

#include <gtest/gtest.h>

#include <string>

#include "support/part_test.h"
#include "platform/cp1252_literal.h"

namespace {

using Ulqa0000Part = part_test::PartTest;

// An aggregate of `width` characters cycling through 62 distinct ones, so neighbouring fields
// never show the same text and a shifted offset shows up in the values.
std::string Aggregate(std::size_t width) {
  static const std::string kCycle = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  std::string text;
  for (std::size_t i = 0; i < width; ++i) text += kCycle[i % kCycle.size()];
  return text;
}

struct ExpectedRow {
  const char* tag;
  const char* label;
  int offset;  // -1: no value
  int width;
};

const ExpectedRow kRows[] = {
    {"ULQA0000", "Auftragskennsatz", -1, 0},
    {"", "Auftragskennzeichen", -1, 0},
    {"DLQA0001", "- Dienststelle:", 0, 14},
    {"DLQA0002", "- Auftragsnummer:", 14, 5},
    {"DLQA0003", "- weitere Gliederung:", 19, 1},
    {"DLQA1000", CP("Prüfzeichen:"), 20, 1},
    {"DLQA2000", "Auftragsart:", 21, 1},
    {"DLQA3000", CP("Aktualität des Auftrags:"), 22, 2},
    {"DLQA4000", "Integrationshinweis:", 24, 1},
    {"DLQA5000", "Nr der Bezirksgrundst.-DB:", 25, 2},
    {"DLQA7000", "Auftragshinweis/Steuerung:", 27, 11},
    {"DLQA8001", "- Auftragskennung:", 38, 1},
    {"DLQA8002", CP("- Benutz-,Fortführungsart:"), 39, 8},
    {"DLQA8003", CP("- Text für Ausgabe:"), 47, 32},
    {"DLQA8004", "- Verarbeitungsmodus:", 79, 2},
    {"DLQA8005", "- Anzahl Ausfertigungen:", 81, 2},
    {"", "Auftragsinhalt", -1, 0},
    {"DLQA8006", "- Punktdatenkennung:", 83, 22},
    {"DLQA8007", "- Datenkennung ALK:", 105, 10},
    {"DLQA8008", "- Messungselementekennung:", 115, 4},
    {"DLQA8009", "- Datenkennung DLM:", 119, 10},
    {"DLQA800A", "- Datenkennung DKM:", 129, 14},
    {"DLQA800B", "Meridianstreifen Ausgabe:", 143, 1},
    {"DLQA800C", "Verarbeitungsstop:", 144, 1},
    {"", "Verarbeitungsstatus", -1, 0},
    {"DLQA9001", "- Ausgabe:", 145, 1},
    {"DLQA9002", "- Ergeb. des Verarb.schr.:", 146, 1},
    {"DLQA9003", "- Art des Verarb.schr.:", 147, 1},
    {"DLQAA000", CP("Höchste Satznr weit.Sätze:"), 148, 6},
    {"DLQAB000", CP("Anzahl der weiteren Sätze:"), 154, 6},
    {"", "Datumsangaben", -1, 0},
    {"DLQAC001", "- Ersteintrag Auftragb-LK:", 160, 6},
    {"DLQAC002", "- Letzte Verarbeitung:", 166, 6},
    {"DLQAC003", "- Ausgabe des erled.Auftr:", 172, 6},
    {"DLQAE000", CP("Zuständige Stelle-Punktnr:"), 178, 14},
    {"DLQAF000", CP("Plausibilitätssteuerung:"), 192, 12},
    {"DLQAG000", CP("Hinweis für Geom.behandl.:"), 204, 1},
    {"", "Folgeverarbeitung", -1, 0},
    {"DLQAH001", "- log. Terminalname Daten:", 205, 8},
    {"DLQAH002", "- Folgeprogramm Daten:", 213, 8},
    {"DLQAH003", "- log. Terminalname Proto:", 221, 8},
    {"DLQAH004", "- Folgeprogramm Protokoll:", 229, 8},
    {"DLQAK000", CP("Prioritätssteuerung:"), 237, 1},
    {"DLQAL000", "Auftragssteuerung:", 238, 10},
    {"DLQAM000", "Antragsnummer:", 248, 10},
    {"SUCHKRIT", "konstant:", 258, 12},
    {"PASSWORT", "Passwort:", 270, 14},
};

void ExpectAggregateRows(const std::string& text, int last) {
  for (int r = 0; r <= last; ++r) {
    const ExpectedRow& e = kRows[r];
    EXPECT_EQ(e.tag, DetailTable.Tag(r)) << "row " << r;
    EXPECT_EQ(e.label, DetailTable.Label(r)) << "row " << r;
    EXPECT_EQ(e.offset < 0 ? std::string() : text.substr(e.offset, e.width), DetailTable.Value(r)) << "row " << r;
  }
}

}  // namespace

TEST_F(Ulqa0000Part, ShortFormShowsRowsUpToTheApplicationNumber) {
  const std::string text = Aggregate(258);
  Parse("0001" + text, 4);
  int error = -1;
  CUlqa0000Part part(error);
  ASSERT_EQ(0, error);
  EXPECT_EQ(262, g_parsePos);
  EXPECT_EQ(text, part.GetListText(0));
  FillWithOldRows();
  ASSERT_EQ(44, part.FillDetail());
  ExpectAggregateRows(text, 44);
  EXPECT_EQ("0123456789", DetailTable.Value(44));  // positions 248..257, 248 = 4 * 62
}

TEST_F(Ulqa0000Part, LongFormAddsSearchKeyAndPassword) {
  const std::string text = Aggregate(284);
  Parse(text + "REST");
  int error = -1;
  CUlqa0000Part part(error);
  ASSERT_EQ(0, error);
  EXPECT_EQ(284, g_parsePos);
  EXPECT_EQ(text, part.GetListText(0));
  FillWithOldRows();
  ASSERT_EQ(46, part.FillDetail());
  ExpectAggregateRows(text, 46);
}

TEST_F(Ulqa0000Part, TwoHundredSeventyCharactersTakeOnlyTheShortForm) {
  const std::string text = Aggregate(270);
  Parse(text);
  int error = -1;
  CUlqa0000Part part(error);
  ASSERT_EQ(0, error);
  EXPECT_EQ(258, g_parsePos);
  EXPECT_EQ(text.substr(0, 258), part.GetListText(0));
  EXPECT_EQ(44, part.FillDetail());
}

TEST_F(Ulqa0000Part, FewerThan258CharactersGive126) {
  Parse("0001" + Aggregate(257), 4);
  int error = 0;
  CUlqa0000Part part(error);
  EXPECT_EQ(126, error);
  EXPECT_EQ(4, g_parsePos);
  EXPECT_EQ("", part.GetListText(0));
  EXPECT_EQ(44, part.FillDetail());
  EXPECT_EQ("", DetailTable.Value(2));
}

TEST_F(Ulqa0000Part, AnswersNoCriterion) {
  Parse(Aggregate(284));
  int error = -1;
  CUlqa0000Part part(error);
  SetArgs({{"", std::string(300, '\xff')}});
  for (int c : {kCritDatei, kCritSatzNr, kCritAggregat, kCritKoordinate, kCritNumBez, kCritObjNr, kCritAktualitaet, kCritAttribut, kCritHlspStatus, kCritText, kCritFehler, kCritObjNrOhneDatenbank, kCritTextOhneGrossKlein}) EXPECT_EQ(0, part.MatchFilter(c)) << c;
}
