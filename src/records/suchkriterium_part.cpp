#include "records/suchkriterium_part.h"

#include <array>

#include "records/filter_values.h"
#include "records/point_field.h"
#include "store/keyword_tables.h"
#include "platform/cp1252_literal.h"

namespace {

struct KeyInfo {
  std::size_t width;
  std::string CSuchkriteriumPart::*slot;
  const char* label;
};

using P = CSuchkriteriumPart;

// Indexed like the data keys of DataKeyTable.
const std::array<KeyInfo, CSuchkriteriumPart::kKeyCount> kKeys = {{
    {8, &P::m_numberingDistrict, "Numerierungsbezirk ="},           // DLOB0001
    {12, &P::m_coordinate, "Koordinate ="},                          // DLOB0002
    {1, &P::m_checkChar, CP("Prüfzeichen =")},                           // DLOB0003
    {2, &P::m_currency, CP("Aktualität =")},                             // DLOB2003
    {7, &P::m_objectNumber, "Objektnummer ="},                       // DLOB2005
    {2, &P::m_modelType, "Modelltyp ="},                             // DLOB2006
    {2, &P::m_infoKind, "Art der besonderen Information ="},         // DLOB2101
    {33, &P::m_objectName, "Objektname ="},                          // DLOB2104
    {7, &P::m_objectNumber, "Objektnummer ="},                       // DLTA0001
    {3, &P::m_partNumber, "Objektteilnummer ="},                     // DLTA0002
    {1, &P::m_checkChar, CP("Prüfzeichen =")},                           // DLTA0003
    {2, &P::m_currency, CP("Aktualität =")},                             // DLTA0004
    {4, &P::m_attributeType, "Attributtyp ="},                       // DLTA1001
    {3, &P::m_partNumber, "Objektteilnummer ="},                     // DLOBJTNR
    {8, &P::m_numberingDistrict, "Numerierungsbezirk ="},           // DLPU0001
    {1, &P::m_pointKind, "Punktart ="},                              // DLPU0002
    {5, &P::m_pointNumber, "Punktnummer ="},                         // DLPU0003
    {1, &P::m_checkChar, CP("Prüfzeichen =")},                           // DLPU0004
    {2, &P::m_currency, CP("Aktualität =")},                             // DLPU0007
    {3, &P::m_planStatus, "Lagestatus ="},                           // DLPU2001
    {3, &P::m_heightStatus, CP("Höhenstatus =")},                        // DLPU3001
    {3, &P::m_gravityStatus, "Schwerestatus ="},                     // DLPU4001
    {1, &P::m_rowNumber, "Zeilennummer ="},                          // DLPU5001
    {1, &P::m_controlPointOrder, "Ordnung des Festpunkts ="},        // DLPU6001
    {36, &P::m_locationText, CP("Nähere Lagebezeichnung =")},            // DLPU6101
    {3, &P::m_positionStatus, "Positionsstatus ="},                  // DLPU7001
}};

// The order in which the items are shown: the object keys, the object part number (which
// belongs to them), then the attribute and point keys.
constexpr std::array<int, CSuchkriteriumPart::kKeyCount> kDisplayOrder = {
    0, 1, 2, 3, 4, 5, 6, 7, 13, 8, 9, 10, 11, 12, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25};

}  // namespace

CSuchkriteriumPart::CSuchkriteriumPart(int& error, int infoNameIndex)
    : CEdbsPart(kPtSuchkrit), m_infoNameIndex(infoNameIndex), m_keyFlags(kKeyCount, 'F') {
  error = Parse();
  if (error == 0 && HasKey(0) && HasKey(1)) {
    DecodePoint(m_numberingDistrict + m_coordinate, m_x, m_y);
    m_hasPoint = true;
  }
}

// Reads items until the record ends. Each error leaves the cursor where the reading stopped:
// before the connector (250, 251), behind it (252, 253, 226) or behind key and operator (200+k).
int CSuchkriteriumPart::Parse() {
  const long long n = static_cast<long long>(ParseText().size());
  do {
    if (n < static_cast<long long>(g_parsePos) + 2) return 250;
    const std::string_view connector = ParseView(0, 2);
    if (connector != "AS" && connector != "AN") return 251;
    if (n < static_cast<long long>(g_parsePos) + 12) {
      g_parsePos += 2;
      return 252;
    }
    g_parsePos += 2;
    if (ParseView(8, 2) != "EQ") return 253;
    const int k = LookupDataKey(ParseView(0, 8));
    if (k < 0 || k >= kKeyCount) return 200 + kUnknownDataKey;
    g_parsePos += 10;
    const KeyInfo& key = kKeys[k];
    if (n < static_cast<long long>(g_parsePos) + static_cast<long long>(key.width)) return 200 + k;
    this->*key.slot = ParseView(0, key.width);
    m_keyFlags[k] = 'T';
    g_parsePos += static_cast<std::int32_t>(key.width);
  } while (g_parsePos < n);
  return 0;
}

const std::string& CSuchkriteriumPart::Slot(int k) const { return this->*kKeys[k].slot; }

int CSuchkriteriumPart::FillDetail() const {
  DetailTable.Set(0, "", "Suchkriterium", "");
  int row = 0;
  for (const int k : kDisplayOrder) {
    if (!HasKey(k)) continue;
    ++row;
    DetailTable.Set(row, DataKeyTable[k], kKeys[k].label, Slot(k));
  }
  return row;
}

std::string CSuchkriteriumPart::GetListText(int selector) const {
  if (selector >= 0 && selector < kKeyCount) return HasKey(selector) ? Slot(selector) : std::string();
  if (selector != -1) return CP("unerlaubter Index für Suchkriterium");
  std::string text;
  for (const int k : kDisplayOrder) {
    if (!HasKey(k)) continue;
    text += ' ';
    text += DataKeyTable[k];
    text += "EQ";
    text += Slot(k);
  }
  return text;
}

int CSuchkriteriumPart::MatchFilter(int criterion) const {
  switch (criterion) {
    case kCritSuchkrit:
      for (int i = 0; i < FilterArgCount(); ++i) {
        if (HasKey(LookupDataKey(g_filterFrom[i]))) return 1;
      }
      return 0;
    case kCritKoordinate:
      // A criterion without a complete coordinate has no point and lies in no window.
      return m_hasPoint && CoordWindowTest(m_x, m_y) ? 1 : 0;
    case kCritNumBez:
      return RangeTest(m_numberingDistrict) ? 1 : 0;
    case kCritObjNr:
      return RangeTest(m_objectNumber) ? 1 : 0;
    case kCritObjNrOhneDatenbank:
      return TailRangeTest(m_objectNumber, 6) ? 1 : 0;
    case kCritAktualitaet:
      return RangeTest(m_currency) ? 1 : 0;
    case kCritKartentyp:
      return RangeTest(m_modelType) ? 1 : 0;
    case kCritArtBesInfo:
      return RangeTest(m_infoKind) ? 1 : 0;
    case kCritAttribut:
      return RangeTest(m_attributeType) ? 1 : 0;
    case kCritPktArt:
      return RangeTest(m_pointKind) ? 1 : 0;
    case kCritPktNr:
      return RangeTest(m_pointNumber) ? 1 : 0;
    case kCritHlspStatus:
      return RangeTest(m_planStatus) || RangeTest(m_heightStatus) || RangeTest(m_gravityStatus) ||
                     RangeTest(m_positionStatus)
                 ? 1
                 : 0;
    default:
      return 0;
  }
}

bool CSuchkriteriumPart::AnswersFilter(int, int criterion) {
  switch (criterion) {
    case kCritSuchkrit:
    case kCritKoordinate:
    case kCritNumBez:
    case kCritObjNr:
    case kCritObjNrOhneDatenbank:
    case kCritAktualitaet:
    case kCritKartentyp:
    case kCritArtBesInfo:
    case kCritAttribut:
    case kCritPktArt:
    case kCritPktNr:
    case kCritHlspStatus:
      return true;
    default:
      return false;
  }
}
