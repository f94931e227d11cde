#include "records/line_parts.h"

#include <array>
#include <utility>

#include "records/filter_values.h"
#include "records/kind_texts.h"
#include "records/point_field.h"
#include "platform/cp1252_literal.h"

namespace {

constexpr std::size_t kPointWidth = 20;
constexpr std::size_t kUlob0000Width = CUlob0000Part::Width(kPtUlob0000);
constexpr std::size_t kUlob1000Width = CUlob1000Part::Width(kPtUlob1000);
constexpr std::size_t kUlob1200Width = CUlob1200Part::Width(kPtUlob1200);

// A first character followed only by blanks is not a point but the kind of spline.
bool HoldsSplineKind(std::string_view field) {
  return field.substr(1, kPointWidth - 1).find_first_not_of(' ') == std::string_view::npos;
}

}  // namespace

// --- shared point field ---------------------------------------------------------------------------

int CLinePointPart::GetPoint(double& x, double& y) const {
  if (!m_hasPoint) return 1;
  Decode();
  x = m_x;
  y = m_y;
  return 0;
}

int CLinePointPart::PointInPlace(std::string_view rest, std::size_t width, bool splineKind, double& x, double& y) {
  // The part read nothing when its record ends inside it.
  if (rest.size() < width) return 1;
  const std::string_view field = rest.substr(0, kPointWidth);
  if (splineKind && HoldsSplineKind(field)) return 1;
  DecodePoint(field, x, y);
  return 0;
}

void CLinePointPart::ReadPoint(bool decode) {
  m_pointHead.ReadAt(0);
  m_pointTail.ReadAt(8);
  m_hasPoint = decode;
  m_decoded = false;
}

void CLinePointPart::Decode() const {
  if (m_decoded) return;
  // The 20 characters of the point field, as read.
  std::array<char, kPointWidth> chars{};
  m_pointHead.View().copy(chars.data(), m_pointHead.size());
  m_pointTail.View().copy(chars.data() + m_pointHead.size(), m_pointTail.size());
  DecodePoint(std::string_view(chars.data(), m_pointHead.size() + m_pointTail.size()), m_x, m_y);
  m_decoded = true;
}

void CLinePointPart::FillPointRows(std::string_view tag1, std::string_view tag2) const {
  const std::string_view head = m_pointHead.View();
  const std::string_view tail = m_pointTail.View();
  // The field as read, head and tail together (20 characters at most).
  std::array<char, 20> chars{};
  head.copy(chars.data(), head.size());
  tail.copy(chars.data() + head.size(), tail.size());
  const std::string_view field(chars.data(), head.size() + tail.size());
  // Only the first character decides the labels here; the decoder also looks at character 10.
  const char first = m_pointHead.At(0);
  if (first == '+' || first == '-') {
    DetailTable.Set(1, tag1, "Y-Koordinate:", Left(field, static_cast<long long>(head.size()) + 2));
    DetailTable.Set(2, tag2, "X-Koordinate:", Mid(tail, 2, 10));
  } else {
    DetailTable.Set(1, tag1, "Numerierungsbezirk (NBZ):", head);
    DetailTable.Set(2, tag2, "Koordinate im NBZ:", tail);
  }
  DetailTable.Set(3, "", "", CPointText(field).View());
}

int CLinePointPart::MatchPointFilter(int criterion) const {
  if (criterion == kCritKoordinate) {
    if (!m_hasPoint) return 0;
    Decode();
    return CoordWindowTest(m_x, m_y) ? 1 : 0;
  }
  if (criterion == kCritNumBez) return RangeTest(m_pointHead.View()) ? 1 : 0;
  return 0;
}

bool CLinePointPart::AnswersPointFilter(int criterion) {
  return criterion == kCritKoordinate || criterion == kCritNumBez;
}

// --- ULOB0000: start point of the lines -----------------------------------------------------------

CUlob0000Part::CUlob0000Part(int& error) : CLinePointPart(kPtUlob0000) {
  error = 0;
  if (!ParseHasRoom(kUlob0000Width)) {
    error = 100 + m_type;
    return;
  }
  ReadPoint(true);
  m_checkChar.ReadAt(20);
  g_parsePos += kUlob0000Width;
}

int CUlob0000Part::FillDetail() const {
  DetailTable.Set(0, "ULOB0000", CP("Grundrißkennzeichen / Anfangspunkt der Linie"), "");
  FillPointRows("DLOB0001", "DLOB0002");
  DetailTable.Set(4, "DLOB0003", CP("Prüfzeichen:"), m_checkChar.View());
  return 4;
}

std::string CUlob0000Part::GetListText(int) const {
  return m_pointHead.Str() + m_pointTail.Str() + m_checkChar.Str();
}

int CUlob0000Part::MatchFilter(int criterion) const { return MatchPointFilter(criterion); }

bool CUlob0000Part::AnswersFilter(int, int criterion) { return AnswersPointFilter(criterion); }

// --- ULOB1000: end point and kind of geometry -----------------------------------------------------

CUlob1000Part::CUlob1000Part(int& error) : CLinePointPart(kPtUlob1000) {
  error = 0;
  if (!ParseHasRoom(kUlob1000Width)) {
    error = 100 + m_type;
    return;
  }
  ReadPoint(true);
  m_geometryKind.ReadAt(20);
  g_parsePos += kUlob1000Width;
}

int CUlob1000Part::FillDetail() const {
  DetailTable.Set(0, "ULOB1000", "Endpunkt der Linie / Art der Geometrie", "");
  FillPointRows("DLOB1001", "DLOB1002");
  DetailTable.Set(4, "DLOB1003", "Art der Geometrie:", GeometryKindName(m_geometryKind.View()));
  return 4;
}

std::string CUlob1000Part::GetListText(int) const {
  return m_pointHead.Str() + m_pointTail.Str() + m_geometryKind.Str();
}

int CUlob1000Part::MatchFilter(int criterion) const {
  if (criterion == kCritArtGeom) return EqualityTest(m_geometryKind.View()) ? 1 : 0;
  return MatchPointFilter(criterion);
}

bool CUlob1000Part::AnswersFilter(int, int criterion) {
  return criterion == kCritArtGeom || AnswersPointFilter(criterion);
}

// --- ULOB1200: spline support point or kind of spline ---------------------------------------------

CUlob1200Part::CUlob1200Part(int& error) : CLinePointPart(kPtUlob1200) {
  error = 0;
  if (!ParseHasRoom(kUlob1200Width)) {
    error = 100 + m_type;
    return;
  }
  m_isSplineKind = HoldsSplineKind(ParseView(0, kPointWidth)) ? 1 : 0;
  ReadPoint(m_isSplineKind == 0);
  g_parsePos += kUlob1200Width;
}

int CUlob1200Part::FillDetail() const {
  DetailTable.Set(0, "ULOB1200", CP("Stützpunkt"), "");
  DetailTable.Set(1, "DLOB1201", "", "");
  DetailTable.Set(2, "DLOB1202", "", "");
  DetailTable.Set(3, "", "", FormatPoint(m_pointHead.Str() + m_pointTail.Str()));
  const char first = m_pointHead.At(0);
  if (first != '+' && first != '-' && m_isSplineKind == 1) {
    DetailTable.SetLabel(0, "Art des Splines");
    DetailTable.SetLabel(1, "Art des Splines:");
    DetailTable.SetValue(1, SplineKindText(first));
    return 1;
  }
  FillPointRows("DLOB1201", "DLOB1202");
  return 3;
}

std::string CUlob1200Part::GetListText(int) const { return m_pointHead.Str() + m_pointTail.Str(); }

int CUlob1200Part::MatchFilter(int criterion) const { return MatchPointFilter(criterion); }

bool CUlob1200Part::AnswersFilter(int, int criterion) { return AnswersPointFilter(criterion); }
