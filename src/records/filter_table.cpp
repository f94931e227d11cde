#include "records/filter_table.h"

#include "platform/cp1252_literal.h"

namespace {

using enum FilterInput;
using enum FilterList;
using enum FilterScope;

constexpr std::string_view kThirtyZ = "zzzzzzzzzzzzzzzzzzzzzzzzzzzzzz";

// A tab whose input is a list: values are the selected lines (cut to valueWidth), single values.
constexpr FilterCriterionInfo ListTab(FilterCriterion code, std::string_view label, std::string_view heading,
                                      std::string_view description, FilterList list, int valueWidth,
                                      FilterScope scope) {
  return {code, code, label, heading, description, kList, list, valueWidth, 0, 0, 0, "0", "z", {}, scope};
}

// A tab whose input is an argument line with its characters per value and its defaults.
constexpr FilterCriterionInfo LineTab(FilterCriterion code, std::string_view label, std::string_view heading,
                                      std::string_view description, int minChars, int maxChars,
                                      std::string_view from, std::string_view to, FilterScope scope,
                                      int padWidth = 0) {
  return {code, code, label, heading, description, kLine, kNoList, 0, minChars, maxChars, padWidth, from, to, {},
          scope};
}

// The variant of a tab that its extra checkbox selects: the tab's input, another code.
constexpr FilterCriterionInfo CheckboxVariant(FilterCriterionInfo tab, FilterCriterion code,
                                              std::string_view checkboxLabel) {
  tab.code = code;
  tab.checkboxLabel = checkboxLabel;
  return tab;
}

constexpr FilterCriterionInfo kObjArt =
    LineTab(kCritObjArt, "Obj.Art", "OBJEKTARTEN-FILTER:", "z.B: -0050:0077:0086:0099-0100:0300-", 4, 4, "0000",
            "zzzz", kAnyPart);
constexpr FilterCriterionInfo kObjNr =
    LineTab(kCritObjNr, "Obj.Nr.", "OBJEKTNUMMERN-FILTER:", "z.B: -A000050:A000099-A000100:A000300-", 7, 7,
            "0000000", "zzzzzzz", kAnyPart);
constexpr FilterCriterionInfo kText =
    LineTab(kCritText, "Text", "BELIEBIGER TEXT-FILTER:", CP("z.B: Straße"), 1, 30, "0", kThirtyZ, kListText);

}  // namespace

const std::array<FilterCriterionInfo, kFilterCriterionCount> kFilterTable = {{
    ListTab(kCritDatei, "Datei", "DATEI-FILTER:", CP("Wählen Sie Dateien aus:"), kFiles, 2, kRecord),
    LineTab(kCritZeile, "Zeile", "ZEILEN-FILTER:", "z.B: -50:77:86:99-100:300-", 1, 8, "0", "99999999", kRecord),
    LineTab(kCritSatzNr, "Satz-Nr.", "EDBS-SATZNUMMERN-FILTER:", "z.B: -000050:000077:000099-000100:000300-", 6, 6,
            "000000", "999999", kAnyPart),
    ListTab(kCritOpSchluessel, CP("Op.Schlüssel"), CP("OPERATIONSSCHLÜSSEL-FILTER:"),
            CP("Wählen Sie Operationsschlüssel aus:"), kOpKeys, 0, kRecord),
    ListTab(kCritInfoName, "Info.Name", "INFORMATIONSNAMEN-FILTER:", CP("Wählen Sie Informationsnamen aus:"),
            kInfoNames, 0, kRecord),
    ListTab(kCritAggregat, "Aggregat", "DATENAGGREGAT-FILTER:", CP("Wählen Sie Datenaggregattypen aus:"),
            kPartTypes, 0, kRecord),
    ListTab(kCritSuchkrit, "Suchkrit.", "SUCHKRITERIUMS-FILTER:", CP("Wählen Sie Löschaggregate aus:"), kDataKeys,
            0, kFirstPart),
    LineTab(kCritWhFaktor, "Wh-Faktor", "WIEDERHOLUNGSFAKTOR-FILTER:", "z.B: -0003:0005:0007:0009-0010:0030-", 4,
            4, "0000", "9999", kAnyPart),
    {kCritKoordinate, kCritKoordinate, "Koordinate", "KOORDINATEN-FILTER:", "Geben Sie die Randkoordinaten ein:",
     kCoordinates, kNoList, 0, 0, 0, 0, "0", "z", {}, kAnyPart},
    LineTab(kCritNumBez, "Num.Bez.", "NUMERIERUNGSBEZIRKS-FILTER:", "z.B: 35564623:35564723", 8, 8, "00000000",
            "99999999", kAnyPart),
    LineTab(kCritFolie, "Folie", "FOLIEN-FILTER:", "z.B: -050:077:086:099-100:300-", 3, 3, "000", "zzz", kAnyPart),
    kObjArt,
    ListTab(kCritObjTyp, "Obj.Typ", "OBJEKTTYPEN-FILTER:", CP("Wählen Sie Objekttypen aus:"), kObjectTypes, 1,
            kAnyPart),
    kObjNr,
    LineTab(kCritAktualitaet, CP("Aktualität"), CP("AKTUALITÄTEN-FILTER:"), "z.B: 01:02:05", 2, 2, "00", "99",
            kAnyPart),
    LineTab(kCritKartentyp, "Kartentyp", "KARTENTYPEN-FILTER:", "z.B: K3:K4:K5", 2, 2, "00", "zz", kAnyPart),
    ListTab(kCritArtGeom, "Art Geom.", "ART DER GEOMETRIE-FILTER:", CP("Wählen Sie Arten der Geometrie aus:"),
            kGeometryKinds, 2, kAnyPart),
    ListTab(kCritArtBesInfo, "Art bes.Info.", "ART DER BES. INFORMAT.-FILTER:",
            CP("Wählen Sie Arten der besonderen Information aus:"), kInfoKinds, 2, kAnyPart),
    ListTab(kCritFachkennung, "Fachkennung", "FACHKENNUNGS-FILTER:", CP("Wählen Sie Fachkennungen aus:"),
            kFachkennungen, 2, kAnyPart),
    LineTab(kCritAttribut, "Attribut", "ATTRIBUTTYPEN-FILTER:", "z.B: wdm:zbf:rkk", 1, 4, "0", "zzzz", kAnyPart, 4),
    LineTab(kCritPktArt, "Pkt.Art", "PUNKTARTEN-FILTER:", "z.B: 1:2:4", 1, 1, "0", "z", kAnyPart),
    LineTab(kCritPktStatus, "Pkt.Status", "PUNKTSTATUS-FILTER:", "z.B: 1:2:4", 1, 1, "0", "z", kAnyPart),
    LineTab(kCritPktNr, "Pkt.Nr.", "PUNKTNUMMERN-FILTER:", "z.B: -1000:5000-7000:10000-", 1, 5, "0", "99999",
            kAnyPart),
    LineTab(kCritHlspStatus, "HLSP-Status", "HLSP-STATUS-FILTER:", "z.B: 120:001:999", 3, 3, "000", "zzz",
            kAnyPart),
    kText,
    {kCritFehler, kCritFehler, "Fehler", "FEHLERHAFTE SAETZE-FILTER:", CP("Die als fehlerhaft erkannten Sätze."),
     kNone, kNoList, 0, 0, 0, 0, "0", "z", {}, kRecord},
    CheckboxVariant(kObjArt, kCritObjArtOhneDarstellung, "Darstellungskennung ignorieren"),
    CheckboxVariant(kObjNr, kCritObjNrOhneDatenbank, "Datenbankkennung ignorieren"),
    CheckboxVariant(kText, kCritTextOhneGrossKlein, CP("Groß-/Kleinschreibung ignorieren")),
}};

namespace {

constexpr int kLargestCode = kCritTextOhneGrossKlein;

// Row of each code (-1: no criterion), so that a record finds its criterion without a search.
constexpr std::array<int, kLargestCode + 1> MakeRowIndex() {
  std::array<int, kLargestCode + 1> rows{};
  for (int& r : rows) r = -1;
  for (int r = 0; r < kFilterCriterionCount; ++r) rows[kFilterTable[r].code] = r;
  return rows;
}

}  // namespace

const FilterCriterionInfo* FindFilterCriterion(int code) {
  static const std::array<int, kLargestCode + 1> rowOfCode = MakeRowIndex();
  if (code < 0 || code > kLargestCode || rowOfCode[code] < 0) return nullptr;
  return &kFilterTable[rowOfCode[code]];
}

const FilterCriterionInfo& FilterTabInfo(int tab) { return kFilterTable[tab]; }

const FilterCriterionInfo* FilterTabExtra(int tab) {
  for (int r = kFilterTabCount; r < kFilterCriterionCount; ++r) {
    if (kFilterTable[r].tab == tab) return &kFilterTable[r];
  }
  return nullptr;
}

FilterCriterion FilterTabCode(int tab, bool extraTicked) {
  const FilterCriterionInfo* extra = extraTicked ? FilterTabExtra(tab) : nullptr;
  return extra != nullptr ? extra->code : FilterTabInfo(tab).code;
}
