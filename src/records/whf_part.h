#pragma once
// Repetition factor (Wiederholungsfaktor): four digits that say how often a group follows.

#include <cstdint>
#include <string>

#include "records/edbs_part.h"

class CWhfPart : public CEdbsPart {
 public:
  // type is 11 or one of 31..66. error: 0, or 100 + type when fewer than 4 characters remain.
  CWhfPart(int& error, int type);

  int FillDetail() const;
  std::string GetListText(int selector) const;
  int MatchFilter(int criterion) const;
  static bool AnswersFilter(int type, int criterion);
  std::string GetRepeatCount() const;  // the count as "%04d"

  std::int32_t m_count = 0;
};
