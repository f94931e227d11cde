#include "records/point_record_parts.h"

#include <iterator>
#include <span>

#include "records/filter_values.h"
#include "platform/cp1252_literal.h"

namespace {

// One detail row. Row 0 is the title; a row with width 0 after it is a group heading (no tag, no
// value). Every other row shows the next `width` characters of the aggregate, because the fields
// follow each other in the order the rows show them.
struct DetailRow {
  std::string_view tag;
  std::string_view label;
  std::uint8_t width;
};

// A field that answers a filter criterion with the range test.
struct FilterField {
  int criterion;
  std::uint8_t offset;
  std::uint8_t width;
};

struct PointLayout {
  std::span<const DetailRow> rows;
  std::span<const FilterField> filters;
};

constexpr std::size_t LayoutWidth(std::span<const DetailRow> rows) {
  std::size_t width = 0;
  for (const DetailRow& row : rows) width += row.width;
  return width;
}

constexpr DetailRow kUlpu0000Rows[] = {
    {"ULPU0000", "Punktkennzeichen, Verwaltung", 0},
    {"", "Punktkennzeichen mit", 0},
    {"DLPU0001", "- Numerierungsbezirk:", 8},
    {"DLPU0002", "- Punktart:", 1},
    {"DLPU0003", "- Punktnummer:", 5},
    {"DLPU0004", CP("Prüfzeichen:"), 1},
    {"DLPU0005", "Punktstatus:", 1},
    {"DLPU0006", CP("zuständige Stelle:"), 7},
    {"DLPU0007", CP("Aktualität des Punktes:"), 2},
    {"DLPU0008", CP("Spezielle Aktualität:"), 2},
    {"DLPU0009", "Vermarkungsart:", 3},
    {"DLPU000A", "Bemerkung zur Vermarkung:", 4},
    {"DLPU000B", "Entstehung des Punktes:", 15},
    {"DLPU000C", "Untergang des Punktes:", 15},
    {"DLPU000D", CP("Kennung für Bemerkung:"), 1},
};
constexpr FilterField kUlpu0000Filters[] = {
    {kCritNumBez, 0, 8},    // Numerierungsbezirk
    {kCritAktualitaet, 23, 2},  // Aktualitaet des Punktes
    {kCritPktArt, 8, 1},   // Punktart
    {kCritPktStatus, 15, 1},  // Punktstatus
    {kCritPktNr, 9, 5},   // Punktnummer
};

constexpr DetailRow kUlpu1000Rows[] = {
    {"ULPU1000", CP("Hinweis aus Meßeinheit"), 0},
    {"DLPU0001", CP("Hinweis aus Meßeinheit:"), 16},
};

constexpr DetailRow kUlpu2000Rows[] = {
    {"ULPU2000", "Lage", 0},
    {"DLPU2001", "Lagestatus:", 3},
    {"", "Lagekoordianten mit", 0},
    {"DLPU2002", "- Rechtswert:", 10},
    {"DLPU2003", "- Hochwert:", 10},
    {"", "Lagegenauigkeit mit", 0},
    {"DLPU2004", "- Art der Lagegenauigkeit:", 1},
    {"DLPU2005", "- Wert der Lagegenauigkeit:", 8},
    {"DLPU2006", CP("Lagezuverlässigkeit:"), 1},
    {"", "Berechnungshinweis Lage mit", 0},
    {"DLPU2007", "- Jahr der Berechnung:", 3},
    {"DLPU2008", "- Aktenhinweis:", 9},
};

constexpr DetailRow kUlpu3000Rows[] = {
    {"ULPU3000", CP("Höhe"), 0},
    {"DLPU3001", CP("Höhenstatus:"), 3},
    {"DLPU3002", CP("Höhenangabe:"), 8},
    {"DLPU3003", CP("Jahr, Monat der Höhenmessung:"), 5},
    {"", CP("Höhengenauigkeit mit"), 0},
    {"DLPU3004", CP("- Art der Höhengenauigkeit:"), 1},
    {"DLPU3005", CP("- Wert der Höhengenauigkeit:"), 4},
    {"DLPU3006", CP("Höhenzuverlässigkeit:"), 1},
    {"", CP("Berechnungshinweis Höhe mit"), 0},
    {"DLPU3007", "- Jahr der Berechnung:", 3},
    {"DLPU3008", "- Aktenhinweis", 9},
};

constexpr DetailRow kUlpu4000Rows[] = {
    {"ULPU4000", "Schwere", 0},
    {"DLPU4001", "Schwerestatus:", 3},
    {"DLPU4002", "Schwerewert:", 10},
    {"DLPU4003", "Jahr, Monat der Schweremessung:", 5},
    {"", "Schweregenauigkeit mit", 0},
    {"DLPU4004", "- Art der Schweregenauigkeit:", 1},
    {"DLPU4005", "- Wert der Schweregenauigkeit:", 4},
    {"DLPU4006", CP("Schwerezuverlässigkeit:"), 1},
    {"", "Berechnunghinweis Schwere mit", 0},
    {"DLPU4007", "- Jahr der Berechnung:", 3},
    {"DLPU4008", "- Aktenhinweis:", 9},
};

constexpr DetailRow kUlpu5000Rows[] = {
    {"ULPU5000", "Bemerkung zum Punkt", 0},
    {"DLPU5001", "Zeilennummer der Bemerkung:", 1},
    {"DLPU5002", "Text der Bemerkung:", 18},
};

// The title carries the element name of the aggregate, not the part type name.
constexpr DetailRow kUlpu6000Rows[] = {
    {"DLPU6000", "Festpunkt-Verwaltung", 0},
    {"DLPU6001", "Ordnung des Festpunktes:", 1},
    {"", CP("Stabilität mit"), 0},
    {"DLPU6002", CP("- Güte der Stabilität:"), 1},
    {"DLPU6003", CP("- Güte des Trägers der Marke:"), 1},
    {"DLPU6004", CP("- Topographie und Umwelteinflüsse:"), 1},
    {"DLPU6005", CP("- Güte des Baugrundes:"), 1},
    {"DLPU6006", CP("- Geologische Stabilität:"), 1},
    {"DLPU6007", "- Grundwasserstand:", 1},
    {"DLPU6008", "- Grundwasserschwankung:", 1},
    {"DLPU6009", CP("- Höhenstabilität aus Wiederholungsmessungen:"), 1},
    {"DLPU600A", CP("Veränderung:"), 1},
    {"DLPU600B", CP("Letzte Überwachung / Überprüfung:"), 5},
    {"DLPU600C", "Darstellungshinweis:", 2},
    {"DLPU600D", CP("Schwerestabilität aus Wiederholungsmessungen:"), 1},
    {"DLPU600E", CP("Lagestabilität aus Wiederholungsmessungen:"), 1},
};

constexpr DetailRow kUlpu6100Rows[] = {
    {"ULPU6100", CP("Name, nähere Lagebezeichnung"), 0},
    {"DLPU6101", CP("Name, nähere Lagebezeichnung:"), 36},
};

constexpr DetailRow kUlpu7000Rows[] = {
    {"ULPU7000", "Position", 0},
    {"DLPU7001", "Positionsstatus:", 3},
    {"", "Positionskoordinaten mit", 0},
    {"DLPU7002", "- X-Wert:", 10},
    {"DLPU7003", "- Y-Wert:", 10},
    {"DLPU7004", "- Z-Wert:", 10},
    {"DLPU7005", "Jahr, Monat der Positionsmessung:", 5},
    {"", "Positionsgenauigkeit mit", 0},
    {"DLPU7006", "- Art der Positionsgenauigkeit:", 1},
    {"DLPU7007", "- Wert der Positionsgenauigkeit:", 12},
    {"DLPU7008", CP("Postionszuverlässigkeit:"), 1},
    {"", "Berechnungshinweis Position mit", 0},
    {"DLPU7009", "Jahr der Berechnung:", 3},
    {"DLPU700A", "Aktenhinweis:", 9},
};

// Lage-, Hoehen-, Schwere- and Positionsstatus share the place and the criterion.
constexpr FilterField kStatusFilters[] = {{kCritHlspStatus, 0, 3}};

static_assert(LayoutWidth(kUlpu0000Rows) == CUlpu0000Part::kWidth);
static_assert(LayoutWidth(kUlpu1000Rows) == CUlpu1000Part::kWidth);
static_assert(LayoutWidth(kUlpu2000Rows) == CUlpu2000Part::kWidth);
static_assert(LayoutWidth(kUlpu3000Rows) == CUlpu3000Part::kWidth);
static_assert(LayoutWidth(kUlpu4000Rows) == CUlpu4000Part::kWidth);
static_assert(LayoutWidth(kUlpu5000Rows) == CUlpu5000Part::kWidth);
static_assert(LayoutWidth(kUlpu6000Rows) == CUlpu6000Part::kWidth);
static_assert(LayoutWidth(kUlpu6100Rows) == CUlpu6100Part::kWidth);
static_assert(LayoutWidth(kUlpu7000Rows) == CUlpu7000Part::kWidth);

// Indexed by part type - kPtUlpu0000.
constexpr PointLayout kLayouts[] = {
    {kUlpu0000Rows, kUlpu0000Filters},
    {kUlpu1000Rows, {}},
    {kUlpu2000Rows, kStatusFilters},
    {kUlpu3000Rows, kStatusFilters},
    {kUlpu4000Rows, kStatusFilters},
    {kUlpu5000Rows, {}},
    {kUlpu6000Rows, {}},
    {kUlpu6100Rows, {}},
    {kUlpu7000Rows, kStatusFilters},
};
static_assert(std::size(kLayouts) == kPtUlpu7000 - kPtUlpu0000 + 1);

const PointLayout* LayoutOf(int type) {
  if (type < kPtUlpu0000 || type > kPtUlpu7000) return nullptr;
  return &kLayouts[type - kPtUlpu0000];
}

}  // namespace

std::string_view PointRecordElement(int type, std::string_view chars, std::string_view tag) {
  const PointLayout* layout = LayoutOf(type);
  if (layout == nullptr || tag.empty()) return {};
  std::size_t offset = 0;
  for (const DetailRow& r : layout->rows) {
    if (r.tag == tag && r.width > 0) return Mid(chars, static_cast<long long>(offset), r.width);
    offset += r.width;
  }
  return {};
}

int FillPointRecordDetail(int type, std::string_view chars) {
  const PointLayout* layout = LayoutOf(type);
  if (layout == nullptr) return -1;
  std::size_t offset = 0;
  int row = 0;
  for (const DetailRow& r : layout->rows) {
    DetailTable.Set(row, r.tag, r.label, Mid(chars, static_cast<long long>(offset), r.width));
    offset += r.width;
    ++row;
  }
  return row - 1;
}

int MatchPointRecordFilter(int type, int criterion, std::string_view chars) {
  const PointLayout* layout = LayoutOf(type);
  if (layout == nullptr) return 0;
  for (const FilterField& f : layout->filters) {
    if (f.criterion == criterion) return RangeTest(Mid(chars, f.offset, f.width)) ? 1 : 0;
  }
  return 0;
}

bool PointRecordAnswersFilter(int type, int criterion) {
  const PointLayout* layout = LayoutOf(type);
  if (layout == nullptr) return false;
  for (const FilterField& f : layout->filters) {
    if (f.criterion == criterion) return true;
  }
  return false;
}
