#pragma once
// Point of a special information (ULOB2110, "Anfangspunkt / Endpunkt / Name"): a position, a
// support point, a symbol direction, matrix values or a spline kind, depending on the kind of
// geometry of the special information it belongs to.

#include <cstdint>
#include <string>
#include <string_view>

#include "records/edbs_part.h"

class CUlob2110Part : public CEdbsPart {
 public:
  // geometryKind: the kind of geometry of the owning special information. error: 0, or 107 when
  // fewer than 20 characters remain.
  CUlob2110Part(int& error, std::string_view geometryKind);
  // The characters a part of this class takes: the parser measures its parts by it.
  static constexpr std::size_t Width(int /*type*/) { return 20; }

  int FillDetail() const;
  std::string GetListText(int selector) const;
  int MatchFilter(int criterion) const;
  static bool AnswersFilter(int type, int criterion);

  // 0 and the point (Rechtswert, Hochwert); 1 and x, y untouched when the field has no coordinates.
  int GetPoint(double& x, double& y) const;
  // Hundredths of a gon, from a TT field; 0.0 otherwise.
  double GetDirectionAngle() const { return m_directionAngle; }

 private:
  std::string Field20() const;

  Field<8> m_pointHead;
  Field<12> m_pointTail;
  Field<2> m_geometryKind;
  double m_x = 0.0;
  double m_y = 0.0;
  double m_directionAngle = 0.0;
  std::int32_t m_noPoint = 1;
};
