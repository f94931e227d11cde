#pragma once
// The order header (Auftragskennsatz, ULQA0000) that opens an EDBS transfer: issuing office,
// order number, kind and currency of the order, the data requested, the processing state, dates
// and follow-up processing. The aggregate is kept as one text and cut into its fields only for
// the detail view. It has no point and answers no filter criterion of its own.

#include <cstddef>
#include <string>

#include "records/edbs_part.h"

class CUlqa0000Part : public CEdbsPart {
 public:
  static constexpr std::size_t kShortWidth = 258;
  // The long form adds a constant search key and a password.
  static constexpr std::size_t kLongWidth = 284;

  // error: 0, or 126 when fewer than 258 characters remain; nothing is read then. Takes 284
  // characters when that many remain, else 258.
  explicit CUlqa0000Part(int& error);

  // Returns 44 for the short form, 46 for the long one.
  int FillDetail() const;
  std::string GetListText(int selector) const { return m_orderText; }
  int MatchFilter(int criterion) const { return 0; }
  static bool AnswersFilter(int /*type*/, int /*criterion*/) { return false; }

 private:
  // Once per transfer, and longer than a Field holds.
  std::string m_orderText;
};
