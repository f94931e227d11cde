#include "records/attribute_parts.h"

#include "records/filter_values.h"
#include "platform/cp1252_literal.h"

CUlta0000Part::CUlta0000Part(int& error) : CEdbsPart(kPtUlta0000) {
  error = 0;
  if (!ParseHasRoom(kWidth)) {
    error = 100 + m_type;
    return;
  }
  m_objectNumber.ReadAt(0);
  m_objectPartNumber.ReadAt(7);
  m_checkChar.ReadAt(10);
  m_currency.ReadAt(11);
  g_parsePos += static_cast<std::int32_t>(kWidth);
}

int CUlta0000Part::FillDetail() const {
  DetailTable.Set(0, "ULTA0000", "Attributkennzeichen und Verwaltung", "");
  DetailTable.Set(1, "DLTA0001", "Objektnummer:", m_objectNumber.View());
  DetailTable.Set(2, "DLTA0002", "Objektteilnummer:", m_objectPartNumber.View());
  DetailTable.Set(3, "DLTA0003", CP("Prüfzeichen:"), m_checkChar.View());
  DetailTable.Set(4, "DLTA0004", CP("Aktualität:"), m_currency.View());
  return 4;
}

std::string CUlta0000Part::GetListText(int) const {
  std::string text;
  text.reserve(kWidth);
  text.append(m_objectNumber.View()).append(m_objectPartNumber.View());
  text.append(m_checkChar.View()).append(m_currency.View());
  return text;
}

int CUlta0000Part::MatchFilter(int criterion) const {
  switch (criterion) {
    case kCritObjNr:
      return RangeTest(m_objectNumber.View()) ? 1 : 0;
    case kCritObjNrOhneDatenbank:
      return TailRangeTest(m_objectNumber.View(), 6) ? 1 : 0;
    case kCritAktualitaet:
      return RangeTest(m_currency.View()) ? 1 : 0;
    default:
      return 0;
  }
}

bool CUlta0000Part::AnswersFilter(int, int criterion) {
  return criterion == kCritObjNr || criterion == kCritObjNrOhneDatenbank || criterion == kCritAktualitaet;
}

CUlta1000Part::CUlta1000Part(int& error) : CEdbsPart(kPtUlta1000) {
  error = 0;
  if (!ParseHasRoom(kWidth)) {
    error = 100 + m_type;
    return;
  }
  m_attributeType.ReadAt(0);
  m_attributeValue.ReadAt(4);
  g_parsePos += static_cast<std::int32_t>(kWidth);
}

int CUlta1000Part::FillDetail() const {
  DetailTable.Set(0, "ULTA1000", "Attribut", "");
  DetailTable.Set(1, "DLTA1001", "Attributtyp:", m_attributeType.View());
  DetailTable.Set(2, "DLTA1002", "Attributwert:", m_attributeValue.View());
  return 2;
}

std::string CUlta1000Part::GetListText(int) const {
  return std::string(m_attributeType.View()).append(m_attributeValue.View());
}

int CUlta1000Part::MatchFilter(int criterion) const {
  return criterion == kCritAttribut && RangeTest(m_attributeType.View()) ? 1 : 0;
}

bool CUlta1000Part::AnswersFilter(int, int criterion) { return criterion == kCritAttribut; }
