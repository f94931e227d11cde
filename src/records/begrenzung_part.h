#pragma once
// File boundary (IBENKRT): two corner points that enclose the data of an EDBS file.

#include <string>

#include "records/edbs_part.h"

class CBegrenzungPart : public CEdbsPart {
 public:
  // error: 0, or 128 when fewer than 40 characters remain.
  explicit CBegrenzungPart(int& error);
  // The characters a part of this class takes: the parser measures its parts by it.
  static constexpr std::size_t Width(int /*type*/) { return 40; }

  int FillDetail() const;
  std::string GetListText(int selector) const;
  int MatchFilter(int criterion) const;
  static bool AnswersFilter(int /*type*/, int /*criterion*/) { return false; }

  Field<8> m_corner1Head;
  Field<12> m_corner1Tail;
  Field<8> m_corner2Head;
  Field<12> m_corner2Tail;
  // Rechtswert (x) and Hochwert (y) of each corner.
  double m_x1 = 0.0, m_y1 = 0.0;
  double m_x2 = 0.0, m_y2 = 0.0;
};
