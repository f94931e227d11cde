#include "records/operation_parts.h"

#include "records/point_field.h"
#include "platform/cp1252_literal.h"

namespace {

struct PointRowLabels {
  std::string_view signedFirst, signedSecond;      // signed form: Y and X value
  std::string_view districtFirst, districtSecond;  // district form: Numerierungsbezirk, rest
};

constexpr PointRowLabels kOldPointLabels = {"Y-Koordinate alt:", "X-Koordinate alt:",
                                            "Numerierungsbezirk alt (NBZ):", "Koordinate alt im NBZ:"};
constexpr PointRowLabels kNewPointLabels = {"Y-Koordinate neu:", "X-Koordinate neu:",
                                            "Numerierungsbezirk neu (NBZ):", "Koordinate neu im NBZ:"};

// Three rows for one moved point: its two halves, then the whole point formatted. A signed point
// field splits into Y (sign and nine digits) and X; a district field into the numbering district
// and the coordinate within it.
void SetPointRows(int row, std::string_view head, std::string_view tail, const PointRowLabels& labels) {
  const std::string field = std::string(head).append(tail);
  if (!head.empty() && (head[0] == '+' || head[0] == '-')) {
    DetailTable.Set(row, "", labels.signedFirst, std::string(head).append(Left(tail, 2)));
    DetailTable.Set(row + 1, "", labels.signedSecond, Mid(tail, 2, 10));
  } else {
    DetailTable.Set(row, "", labels.districtFirst, head);
    DetailTable.Set(row + 1, "", labels.districtSecond, tail);
  }
  DetailTable.Set(row + 2, "", "", FormatPoint(field));
}

// Direction angles are stored as whole hundredths of a gon in up to 18 digits.
double AngleInGon(std::string_view text) { return static_cast<double>(TextToInt(text)) * 0.01; }

}  // namespace

CUlovek00Part::CUlovek00Part(int& error) : CEdbsPart(kPtUlovek00) {
  error = 0;
  if (!ParseHasRoom(kWidth)) {
    error = 100 + m_type;
    return;
  }
  m_leadChar.ReadAt(0);
  m_oldHead.ReadAt(1);
  m_oldTail.ReadAt(9);
  m_newHead.ReadAt(21);
  m_newTail.ReadAt(29);
  DecodePoint(std::string(m_oldHead.View()).append(m_oldTail.View()), m_oldX, m_oldY);
  DecodePoint(std::string(m_newHead.View()).append(m_newTail.View()), m_newX, m_newY);
  g_parsePos += static_cast<std::int32_t>(kWidth);
}

int CUlovek00Part::FillDetail() const {
  DetailTable.Set(0, "ULOVEK00", "FGEO-Operation (Verschieben)", "");
  SetPointRows(1, m_oldHead.View(), m_oldTail.View(), kOldPointLabels);
  SetPointRows(4, m_newHead.View(), m_newTail.View(), kNewPointLabels);
  return 6;
}

std::string CUlovek00Part::GetListText(int) const {
  std::string text;
  text.reserve(kWidth);
  text.append(m_leadChar.View()).append(m_oldHead.View()).append(m_oldTail.View());
  text.append(m_newHead.View()).append(m_newTail.View());
  return text;
}

CUlodre00Part::CUlodre00Part(int& error) : CEdbsPart(kPtUlodre00) {
  error = 0;
  if (!ParseHasRoom(kWidth)) {
    error = 100 + m_type;
    return;
  }
  m_oldId.ReadAt(0);
  m_oldAngleText.ReadAt(2);
  m_newId.ReadAt(20);
  m_newAngleText.ReadAt(22);
  m_oldAngle = AngleInGon(m_oldAngleText.View());
  m_newAngle = AngleInGon(m_newAngleText.View());
  g_parsePos += static_cast<std::int32_t>(kWidth);
}

int CUlodre00Part::FillDetail() const {
  DetailTable.Set(0, "ULODRE00", "FGEO-Operation (Drehen)", "");
  DetailTable.Set(1, "", "Identifikator alt:", m_oldId.View());
  DetailTable.Set(2, "", "Drehwinkel alt in gon:", Format("%6.2f", m_oldAngle));
  DetailTable.Set(3, "", "Identifikator neu:", m_newId.View());
  DetailTable.Set(4, "", "Drehwinkel neu in gon:", Format("%6.2f", m_newAngle));
  return 4;
}

std::string CUlodre00Part::GetListText(int) const {
  std::string text;
  text.reserve(kWidth);
  text.append(m_oldId.View()).append(m_oldAngleText.View());
  text.append(m_newId.View()).append(m_newAngleText.View());
  return text;
}

CUlotexPart::CUlotexPart(int& error) : CEdbsPart(kPtUlotex) {
  error = 0;
  if (!ParseHasRoom(0)) return;  // cursor outside the record: no text
  m_text = ParseText().substr(static_cast<std::size_t>(g_parsePos));
  g_parsePos += static_cast<std::int32_t>(m_text.size());
}

int CUlotexPart::FillDetail() const {
  DetailTable.Set(0, "ULOTEX", "Benutzerinformation", "");
  DetailTable.Set(1, "", "Text:", m_text);
  return 1;
}

CUlodatumPart::CUlodatumPart(int& error) : CEdbsPart(kPtUlodatum) {
  error = 0;
  if (!ParseHasRoom(kWidth)) {
    error = 100 + m_type;
    return;
  }
  m_dateCheckChar.ReadAt(0);
  m_date.ReadAt(1);
  m_timeCheckChar.ReadAt(7);
  m_time.ReadAt(8);
  g_parsePos += static_cast<std::int32_t>(kWidth);
}

int CUlodatumPart::FillDetail() const {
  const std::string_view date = m_date.View();
  const std::string_view time = m_time.View();
  // YYMMDD is shown the German way, DD.MM.YY.
  const std::string shownDate =
      std::string(Mid(date, 4, 2)).append(".").append(Mid(date, 2, 2)).append(".").append(Mid(date, 0, 2));
  const std::string shownTime =
      std::string(Mid(time, 0, 2)).append(":").append(Mid(time, 2, 2)).append(":").append(Mid(time, 4, 2));
  // The title carries the element name ULODAT00, not the part type name.
  DetailTable.Set(0, "ULODAT00", "Datum", "");
  DetailTable.Set(1, "", CP("Prüfzeichen:"), m_dateCheckChar.View());
  DetailTable.Set(2, "", "Datum:", shownDate);
  DetailTable.Set(3, "", CP("Prüfzeichen:"), m_timeCheckChar.View());
  DetailTable.Set(4, "", "Uhrzeit:", shownTime);
  return 4;
}

std::string CUlodatumPart::GetListText(int) const {
  std::string text;
  text.reserve(kWidth);
  text.append(m_dateCheckChar.View()).append(m_date.View());
  text.append(m_timeCheckChar.View()).append(m_time.View());
  return text;
}
