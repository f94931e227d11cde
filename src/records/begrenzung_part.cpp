#include "records/begrenzung_part.h"

#include "records/point_field.h"

namespace {

constexpr std::size_t kWidth = CBegrenzungPart::Width(kPtIbenkrt);

std::string Corner(const Field<8>& head, const Field<12>& tail) {
  std::string field(head.View());
  field += tail.View();
  return field;
}

// Two value rows and the formatted point of one corner. The form of the first corner decides
// how both corners are labelled and split, so the two blocks always line up.
void FillCorner(int row, bool signedForm, const Field<8>& head, const Field<12>& tail) {
  const std::string field = Corner(head, tail);
  if (signedForm) {
    DetailTable.Set(row, "", "Y-Koordinate:", Left(field, 10));
    DetailTable.Set(row + 1, "", "X-Koordinate:", Mid(field, 10, 10));
  } else {
    DetailTable.Set(row, "", "Numerierungsbezirk (NBZ):", head.View());
    DetailTable.Set(row + 1, "", "Koordinate im NBZ:", tail.View());
  }
  DetailTable.Set(row + 2, "", "", FormatPoint(field));
}

}  // namespace

CBegrenzungPart::CBegrenzungPart(int& error) : CEdbsPart(kPtIbenkrt) {
  error = 0;
  if (!ParseHasRoom(kWidth)) {
    error = 100 + kPtIbenkrt;
    return;
  }
  m_corner1Head.ReadAt(0);
  m_corner1Tail.ReadAt(8);
  m_corner2Head.ReadAt(20);
  m_corner2Tail.ReadAt(28);
  DecodePoint(Corner(m_corner1Head, m_corner1Tail), m_x1, m_y1);
  DecodePoint(Corner(m_corner2Head, m_corner2Tail), m_x2, m_y2);
  g_parsePos += kWidth;
}

int CBegrenzungPart::FillDetail() const {
  for (int row = 0; row <= 7; ++row) DetailTable.ClearRow(row);
  DetailTable.SetLabel(0, "Begrenzung der EDBS-Datei");
  const char first = m_corner1Head.At(0);
  const bool signedForm = first == '+' || first == '-';
  FillCorner(1, signedForm, m_corner1Head, m_corner1Tail);
  FillCorner(5, signedForm, m_corner2Head, m_corner2Tail);
  return 7;
}

std::string CBegrenzungPart::GetListText(int) const {
  return Corner(m_corner1Head, m_corner1Tail) + Corner(m_corner2Head, m_corner2Tail);
}

int CBegrenzungPart::MatchFilter(int) const { return 0; }
