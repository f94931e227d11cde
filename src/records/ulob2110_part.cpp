#include "records/ulob2110_part.h"

#include "records/filter_values.h"
#include "records/kind_texts.h"
#include "records/point_field.h"
#include "platform/cp1252_literal.h"

namespace {

constexpr std::size_t kWidth = CUlob2110Part::Width(kPtUlob2110);

// "TT" (or "tt") marks an identifier with a direction angle instead of coordinates.
bool IsAngleField(std::string_view f) {
  const std::string_view id = Left(f, 2);
  return id == "TT" || id == "tt";
}

// Only the first character is used: the kind of spline.
bool IsSplineMarker(std::string_view f) {
  return f.size() == kWidth && f.substr(1).find_first_not_of(' ') == std::string_view::npos;
}

bool IsSplineGeometry(std::string_view kind) {
  return kind == "41" || kind == "91" || kind == "92" || kind == "93";
}

// Matrix kinds carry matrix values and run lengths, never coordinates.
bool IsMatrixGeometry(std::string_view kind) { return kind == "61" || kind == "63"; }

}  // namespace

CUlob2110Part::CUlob2110Part(int& error, std::string_view geometryKind) : CEdbsPart(kPtUlob2110) {
  error = 0;
  if (!ParseHasRoom(kWidth)) {
    error = 100 + kPtUlob2110;
    return;
  }
  m_pointHead.ReadAt(0);
  m_pointTail.ReadAt(8);
  m_geometryKind.Assign(geometryKind);
  const std::string_view f = ParseView(0, kWidth);
  const std::string_view kind = m_geometryKind.View();
  if (IsAngleField(f)) {
    m_noPoint = 1;
    // 18 digits exceed 32 bits.
    m_directionAngle = static_cast<double>(TextToInt(Mid(f, 2, 18)));
  } else if ((IsSplineMarker(f) && IsSplineGeometry(kind)) || IsMatrixGeometry(kind)) {
    m_noPoint = 1;
  } else {
    m_noPoint = 0;
    DecodePoint(f, m_x, m_y);
  }
  g_parsePos += static_cast<std::int32_t>(kWidth);
}

std::string CUlob2110Part::Field20() const {
  std::string f(m_pointHead.View());
  f += m_pointTail.View();
  return f;
}

std::string CUlob2110Part::GetListText(int) const { return Field20(); }

int CUlob2110Part::GetPoint(double& x, double& y) const {
  if (m_noPoint != 0) return 1;
  x = m_x;
  y = m_y;
  return 0;
}

int CUlob2110Part::FillDetail() const {
  auto& d = DetailTable;
  const std::string f = Field20();
  const std::string_view kind = m_geometryKind.View();
  const bool isSigned = !f.empty() && (f[0] == '+' || f[0] == '-');

  d.Set(0, "ULOB2110", "Anfangspunkt / Endpunkt / Name", "");
  if (isSigned) {
    d.Set(1, "DLOB2111", "Y-Koordinate:", Mid(f, 0, 10));
    d.Set(2, "DLOB2112", "X-Koordinate:", Mid(f, 10, 10));
  } else {
    d.Set(1, "DLOB2111", "Numerierungsbezirk (NBZ):", m_pointHead.View());
    d.Set(2, "DLOB2112", "Koordinate im NBZ:", m_pointTail.View());
  }
  d.Set(3, "", "", FormatPoint(f));

  auto splineRow = [&]() {
    d.SetLabel(1, "Art des Splines:");
    d.SetValue(1, SplineKindText(f.empty() ? '\0' : f[0]));
  };

  if (kind == "12") {
    d.SetLabel(0, "Geradenschar");
  } else if (kind == "15") {
    d.SetLabel(0, CP("Stützpunkt Polygonzug"));
  } else if (kind == "21" || kind == "22") {
    d.SetLabel(0, "Kreismittelpunkt");
  } else if (kind == "30") {
    d.SetLabel(0, CP("Stützpunkt Klothoide oder andere Kurve"));
  } else if (kind == "41") {
    d.SetLabel(0, CP("Stützpunkt Spline"));
    if (m_noPoint == 1) {
      d.SetLabel(0, "Art des Splines");
      splineRow();
      return 1;
    }
  } else if (kind == "51") {
    d.SetLabel(0, "Einzelpunkt / Symbol in Standardausrichtung");
  } else if (kind == "52") {
    d.SetLabel(0, CP("Repräsentent für Punkthaufen / Symbol in Standardausrichtung"));
  } else if (kind == "53") {
    if (IsAngleField(f)) {
      d.SetLabel(0, "Einzelpunkt / Symbol in besonderer Ausrichtung");
      d.SetLabel(1, "Identifikator:");
      d.SetValue(1, Left(f, 2));
      d.SetLabel(2, "Richtungswinkel:");
      d.SetValue(2, Format("%6.2f gon", static_cast<double>(TextToInt(Mid(f, 2, 18))) * 0.01));
      d.SetValue(3, "");
    } else {
      d.SetLabel(0, "Lagekoordinate eines Symbols");
    }
  } else if (kind == "61" || kind == "63") {
    const bool runLength = kind == "63";
    d.SetLabel(0, runLength ? "Matrixwerte - Runlength" : "Matrixwerte");
    d.SetLabel(1, runLength ? "Runlength:" : "Matrixwert 1:");
    d.SetValue(1, Mid(f, 0, 10));
    d.SetLabel(2, runLength ? "Matrixwert:" : "Matrixwert 2:");
    d.SetValue(2, Mid(f, 10, 10));
    d.SetValue(3, "");
  } else if (kind == "91" || kind == "92" || kind == "93") {
    d.SetLabel(0, kind == "91" ? CP("Flächendefinition") : kind == "92" ? "Linienkette" : "Linienschar");
    if (IsAngleField(f)) {
      d.SetLabel(1, "Identifikator:");
      d.SetValue(1, Mid(f, 0, 2));
      d.SetLabel(2, "Art der Geometrie:");
      d.SetValue(2, Mid(f, 2, 2));
      d.SetValue(3, "");
    } else if (IsSplineMarker(f)) {
      splineRow();
      return 1;
    }
  }
  return 3;
}

int CUlob2110Part::MatchFilter(int criterion) const {
  if (criterion == kCritNumBez) return RangeTest(m_pointHead.View()) ? 1 : 0;
  if (criterion == kCritKoordinate) return m_noPoint == 0 && CoordWindowTest(m_x, m_y) ? 1 : 0;
  return 0;
}

bool CUlob2110Part::AnswersFilter(int, int criterion) {
  return criterion == kCritKoordinate || criterion == kCritNumBez;
}
