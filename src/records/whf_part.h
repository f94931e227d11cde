#pragma once
// Repetition factor (Wiederholungsfaktor): four digits that say how often a group follows.

#include <cstdint>
#include <string>
#include <string_view>

#include "records/edbs_part.h"

class CWhfPart : public CEdbsPart {
 public:
  // type is 11 or one of 31..66. error: 0, or 100 + type when fewer than 4 characters remain.
  CWhfPart(int& error, int type);
  // The characters a part of this class takes: the parser measures its parts by it.
  static constexpr std::size_t Width(int /*type*/) { return 4; }
  // The count that the four characters of a repetition factor give.
  static std::int32_t CountOf(std::string_view digits) {
    // Four digits, as nearly every factor is, without the general conversion.
    if (digits.size() == 4) {
      const unsigned d0 = static_cast<unsigned char>(digits[0]) - unsigned{'0'};
      const unsigned d1 = static_cast<unsigned char>(digits[1]) - unsigned{'0'};
      const unsigned d2 = static_cast<unsigned char>(digits[2]) - unsigned{'0'};
      const unsigned d3 = static_cast<unsigned char>(digits[3]) - unsigned{'0'};
      if (d0 < 10 && d1 < 10 && d2 < 10 && d3 < 10) return static_cast<std::int32_t>(d0 * 1000 + d1 * 100 + d2 * 10 + d3);
    }
    return static_cast<std::int32_t>(TextToInt(digits));
  }
  // The count of the factor that begins at `at` in the record `text`, read where it lies as the
  // constructor reads it: 0 when fewer than four characters remain.
  static std::int32_t CountAt(std::string_view text, std::size_t at) {
    if (at > text.size() || text.size() - at < Width(0)) return 0;
    return CountOf(text.substr(at, Width(0)));
  }
  // A count as "%04d".
  static std::string CountText(std::int32_t count);

  int FillDetail() const;
  std::string GetListText(int selector) const;
  int MatchFilter(int criterion) const;
  static bool AnswersFilter(int type, int criterion);
  std::string GetRepeatCount() const;  // the count as "%04d"

  std::int32_t m_count = 0;
};
