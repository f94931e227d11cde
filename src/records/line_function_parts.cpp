#include "records/line_function_parts.h"

#include "records/filter_values.h"
#include "store/keyword_tables.h"

namespace {

constexpr std::size_t kUlob1110Width = CUlob1110Part::Width(kPtUlob1110);

// Whether the line's end points are real or the line only continues across a split.
std::string_view SplitText(std::string_view split) {
  if (split == "0") return "0 (Linie echt)";
  if (split == "1") return "1 (Anfangspunkt der Linie unecht)";
  if (split == "2") return "2 (Endpunkt der Linie unecht)";
  if (split == "3") return "3 (Linie unecht)";
  return split;
}

}  // namespace

// --- ULOB1100 / ULO11ALK: function of the line ----------------------------------------------------

CUlob1100Part::CUlob1100Part(int& error, int type) : CEdbsPart(type) {
  error = 0;
  const std::size_t width = Width(type);
  if (!ParseHasRoom(width)) {
    error = 100 + m_type;
    return;
  }
  m_layer.ReadAt(0);
  m_objectKind.ReadAt(3);
  m_objectNumberRight.ReadAt(7);
  m_objectNumberLeft.ReadAt(14);
  if (HasPartNumbers()) {
    m_partNumberRight.ReadAt(21);
    m_partNumberLeft.ReadAt(24);
  }
  m_splitRight.ReadAt(width - 2);
  m_splitLeft.ReadAt(width - 1);
  g_parsePos += static_cast<std::int32_t>(width);
}

int CUlob1100Part::FillDetail() const {
  DetailTable.Set(0, PartTypeName(m_type), "Funktion der Linie", "");
  DetailTable.Set(1, "DLOB1101", "Folie:", m_layer.View());
  DetailTable.Set(2, "DLOB1102", "Objektart:", m_objectKind.View());
  DetailTable.Set(3, "DLOB1103", "Objektnummer rechts:", m_objectNumberRight.View());
  DetailTable.Set(4, "DLOB1104", "Objektnummer links:", m_objectNumberLeft.View());
  int row = 5;
  if (HasPartNumbers()) {
    DetailTable.Set(5, "DLOB1105", "Objektteilnummer rechts:", m_partNumberRight.View());
    DetailTable.Set(6, "DLOB1106", "Objektteilnummer links:", m_partNumberLeft.View());
    row = 7;
  }
  // The tags count on with the rows: DLOB1105 and DLOB1106 for ULO11ALK, DLOB1107 and DLOB1108 else.
  static constexpr std::string_view kSplitTags[] = {"DLOB1105", "DLOB1106", "DLOB1107", "DLOB1108"};
  const std::size_t tag = HasPartNumbers() ? 2 : 0;
  DetailTable.Set(row, kSplitTags[tag], "Linienteilung rechts:", SplitText(m_splitRight.View()));
  DetailTable.Set(row + 1, kSplitTags[tag + 1], "Linienteilung links:", SplitText(m_splitLeft.View()));
  return row + 1;
}

std::string CUlob1100Part::GetListText(int) const {
  std::string text = m_layer.Str() + m_objectKind.Str() + m_objectNumberRight.Str() + m_objectNumberLeft.Str();
  if (HasPartNumbers()) text += m_partNumberRight.Str() + m_partNumberLeft.Str();
  return text + m_splitRight.Str() + m_splitLeft.Str();
}

int CUlob1100Part::MatchFilter(int criterion) const {
  switch (criterion) {
    case kCritFolie:
      return RangeTest(m_layer.View()) ? 1 : 0;
    case kCritObjArt:
      return RangeTest(m_objectKind.View()) ? 1 : 0;
    case kCritObjArtOhneDarstellung:
      return TailRangeTest(m_objectKind.View(), 3) ? 1 : 0;
    case kCritObjNr:
      return RangeTest(m_objectNumberRight.View()) || RangeTest(m_objectNumberLeft.View()) ? 1 : 0;
    case kCritObjNrOhneDatenbank:
      return TailRangeTest(m_objectNumberRight.View(), 6) || TailRangeTest(m_objectNumberLeft.View(), 6) ? 1 : 0;
    default:
      return 0;
  }
}

bool CUlob1100Part::AnswersFilter(int, int criterion) {
  switch (criterion) {
    case kCritFolie:
    case kCritObjArt:
    case kCritObjArtOhneDarstellung:
    case kCritObjNr:
    case kCritObjNrOhneDatenbank:
      return true;
    default:
      return false;
  }
}

// --- ULOB1110: technical parameter ----------------------------------------------------------------

CUlob1110Part::CUlob1110Part(int& error) : CEdbsPart(kPtUlob1110) {
  error = 0;
  if (!ParseHasRoom(kUlob1110Width)) {
    error = 100 + m_type;
    return;
  }
  m_paramKind.ReadAt(0);
  m_paramId.ReadAt(1);
  m_paramValue.ReadAt(2);
  g_parsePos += kUlob1110Width;
}

int CUlob1110Part::FillDetail() const {
  DetailTable.Set(0, "ULOB1110", "Fachparameter", "");
  DetailTable.Set(1, "DLOB1111", "Art des Fachparameters:", m_paramKind.View());
  DetailTable.Set(2, "DLOB1112", "Kennung des Fachparameters:", m_paramId.View());
  DetailTable.Set(3, "DLOB1113", "Wert des Fachpatameters:", m_paramValue.View());
  return 3;
}

std::string CUlob1110Part::GetListText(int) const {
  return m_paramKind.Str() + m_paramId.Str() + m_paramValue.Str();
}

int CUlob1110Part::MatchFilter(int) const { return 0; }
