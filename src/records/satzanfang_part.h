#pragma once
// Record header (Satzanfang): the fixed 36 characters that begin every EDBS record. The fields
// are kept exactly as read; the structural checks judge them, not this part.

#include <string>

#include "records/edbs_part.h"

class CSatzanfangPart : public CEdbsPart {
 public:
  // error: 0, or 130 when the record is shorter than the 36 header characters.
  explicit CSatzanfangPart(int& error);
  // The characters a part of this class takes: the parser measures its parts by it.
  static constexpr std::size_t Width(int /*type*/) { return 36; }

  int FillDetail() const;
  std::string GetListText(int selector) const;
  int MatchFilter(int criterion) const;
  static bool AnswersFilter(int type, int criterion);

  Field<4> m_recordStart;    // "EDBS"
  Field<4> m_recordLength;
  Field<4> m_searchStart;    // start of the search criterion
  Field<4> m_opKey;          // Operationsschluessel
  Field<6> m_recordNumber;
  Field<1> m_membership;
  Field<1> m_editFunction;
  Field<4> m_ackKey;
  Field<8> m_infoName;       // Informationsname
};
