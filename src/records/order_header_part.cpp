#include "records/order_header_part.h"

#include <iterator>
#include "platform/cp1252_literal.h"

namespace {

// One detail row: tag, label and the place of its value in the aggregate; width 0 marks the
// title and the group headings, which have no value.
struct OrderRow {
  std::string_view tag;
  std::string_view label;
  std::uint16_t offset;
  std::uint16_t width;
};

constexpr OrderRow kOrderRows[] = {
    {"ULQA0000", "Auftragskennsatz", 0, 0},
    {"", "Auftragskennzeichen", 0, 0},
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
    {"", "Auftragsinhalt", 0, 0},
    {"DLQA8006", "- Punktdatenkennung:", 83, 22},
    {"DLQA8007", "- Datenkennung ALK:", 105, 10},
    {"DLQA8008", "- Messungselementekennung:", 115, 4},
    {"DLQA8009", "- Datenkennung DLM:", 119, 10},
    {"DLQA800A", "- Datenkennung DKM:", 129, 14},
    {"DLQA800B", "Meridianstreifen Ausgabe:", 143, 1},
    {"DLQA800C", "Verarbeitungsstop:", 144, 1},
    {"", "Verarbeitungsstatus", 0, 0},
    {"DLQA9001", "- Ausgabe:", 145, 1},
    {"DLQA9002", "- Ergeb. des Verarb.schr.:", 146, 1},
    {"DLQA9003", "- Art des Verarb.schr.:", 147, 1},
    {"DLQAA000", CP("Höchste Satznr weit.Sätze:"), 148, 6},
    {"DLQAB000", CP("Anzahl der weiteren Sätze:"), 154, 6},
    {"", "Datumsangaben", 0, 0},
    {"DLQAC001", "- Ersteintrag Auftragb-LK:", 160, 6},
    {"DLQAC002", "- Letzte Verarbeitung:", 166, 6},
    {"DLQAC003", "- Ausgabe des erled.Auftr:", 172, 6},
    {"DLQAE000", CP("Zuständige Stelle-Punktnr:"), 178, 14},
    {"DLQAF000", CP("Plausibilitätssteuerung:"), 192, 12},
    {"DLQAG000", CP("Hinweis für Geom.behandl.:"), 204, 1},
    {"", "Folgeverarbeitung", 0, 0},
    {"DLQAH001", "- log. Terminalname Daten:", 205, 8},
    {"DLQAH002", "- Folgeprogramm Daten:", 213, 8},
    {"DLQAH003", "- log. Terminalname Proto:", 221, 8},
    {"DLQAH004", "- Folgeprogramm Protokoll:", 229, 8},
    {"DLQAK000", CP("Prioritätssteuerung:"), 237, 1},
    {"DLQAL000", "Auftragssteuerung:", 238, 10},
    {"DLQAM000", "Antragsnummer:", 248, 10},
    // Long form only.
    {"SUCHKRIT", "konstant:", 258, 12},
    {"PASSWORT", "Passwort:", 270, 14},
};
constexpr int kLastShortRow = 44;
constexpr int kLastLongRow = 46;
static_assert(std::size(kOrderRows) == kLastLongRow + 1);

}  // namespace

CUlqa0000Part::CUlqa0000Part(int& error) : CEdbsPart(kPtUlqa0000) {
  error = 0;
  if (!ParseHasRoom(kShortWidth)) {
    error = 100 + m_type;
    return;
  }
  const std::size_t width = ParseHasRoom(kLongWidth) ? kLongWidth : kShortWidth;
  m_orderText = ParseView(0, width);
  g_parsePos += static_cast<std::int32_t>(width);
}

int CUlqa0000Part::FillDetail() const {
  const int last = m_orderText.size() >= kLongWidth ? kLastLongRow : kLastShortRow;
  for (int row = 0; row <= last; ++row) {
    const OrderRow& r = kOrderRows[row];
    DetailTable.Set(row, r.tag, r.label, Mid(m_orderText, r.offset, r.width));
  }
  return last;
}
