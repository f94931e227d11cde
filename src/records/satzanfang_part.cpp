#include "records/satzanfang_part.h"

#include "records/filter_values.h"
#include "platform/cp1252_literal.h"

CSatzanfangPart::CSatzanfangPart(int& error) : CEdbsPart(kPtAnfang) {
  const std::size_t kWidth = Width(m_type);
  error = 0;
  if (!ParseHasRoom(kWidth)) {
    error = 100 + kPtAnfang;
    return;
  }
  m_recordStart.ReadAt(0);
  m_recordLength.ReadAt(4);
  m_searchStart.ReadAt(8);
  m_opKey.ReadAt(12);
  m_recordNumber.ReadAt(16);
  m_membership.ReadAt(22);
  m_editFunction.ReadAt(23);
  m_ackKey.ReadAt(24);
  m_infoName.ReadAt(28);
  g_parsePos += kWidth;
}

int CSatzanfangPart::FillDetail() const {
  DetailTable.Set(0, "Satzanfang", "", "");
  DetailTable.Set(1, "SA", "Anfang des EDBS-Satzes:", m_recordStart.View());
  DetailTable.Set(2, "SL", CP("Länge des EDBS-Satzes:"), m_recordLength.View());
  DetailTable.Set(3, "SL", "Anfang des Suchkriteriums:", m_searchStart.View());
  DetailTable.Set(4, "OP", CP("Operationsschlüssel:"), m_opKey.View());
  DetailTable.Set(5, "QU", "EDBS-Satznummer:", m_recordNumber.View());
  DetailTable.Set(6, "QU", CP("Zugehörigkeitsfunktion:"), m_membership.View());
  DetailTable.Set(7, "QU", "Editierfunktion:", m_editFunction.View());
  DetailTable.Set(8, "QU", CP("Quittierschlüssel:"), m_ackKey.View());
  DetailTable.Set(9, "IN", "Informationsname:", m_infoName.View());
  return 9;
}

std::string CSatzanfangPart::GetListText(int) const {
  std::string text;
  text.reserve(Width(m_type));
  text += m_recordStart.View();
  text += m_recordLength.View();
  text += m_searchStart.View();
  text += m_opKey.View();
  text += m_recordNumber.View();
  text += m_membership.View();
  text += m_editFunction.View();
  text += m_ackKey.View();
  text += m_infoName.View();
  return text;
}

int CSatzanfangPart::MatchFilter(int criterion) const {
  if (criterion == kCritSatzNr) return RangeTest(m_recordNumber.View()) ? 1 : 0;
  return 0;
}

bool CSatzanfangPart::AnswersFilter(int, int criterion) { return criterion == kCritSatzNr; }
