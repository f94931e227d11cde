#pragma once
// Line functions of an object record: which layer and object kind a line belongs to, the objects
// to its right and left and whether its ends are real (ULOB1100, short ALK form ULO11ALK), and
// the technical parameters that may follow a line function (ULOB1110).

#include <string>
#include <string_view>

#include "records/edbs_part.h"

class CUlob1100Part : public CEdbsPart {
 public:
  // type 2 (ULOB1100, 29 characters) or 8 (ULO11ALK, 23 characters, without the part numbers).
  // error: 0, or 100 + type when fewer characters remain than the variant needs.
  CUlob1100Part(int& error, int type);
  // The characters a part of this class takes: the parser measures its parts by it.
  static constexpr std::size_t Width(int type) { return type == kPtUlob1100 ? 29 : 23; }

  int FillDetail() const;
  std::string GetListText(int selector) const;
  int MatchFilter(int criterion) const;
  static bool AnswersFilter(int type, int criterion);
  std::string_view GetLayer() const { return m_layer.View(); }
  std::string_view GetObjectType() const { return m_objectKind.View(); }

  Field<3> m_layer;
  Field<4> m_objectKind;
  Field<7> m_objectNumberRight;
  Field<7> m_objectNumberLeft;
  Field<3> m_partNumberRight;  // ULOB1100 only
  Field<3> m_partNumberLeft;   // ULOB1100 only
  Field<1> m_splitRight;
  Field<1> m_splitLeft;

 private:
  bool HasPartNumbers() const { return m_type == kPtUlob1100; }
};

class CUlob1110Part : public CEdbsPart {
 public:
  // error: 0, or 103 when fewer than 9 characters remain.
  explicit CUlob1110Part(int& error);
  // The characters a part of this class takes: the parser measures its parts by it.
  static constexpr std::size_t Width(int /*type*/) { return 9; }

  int FillDetail() const;
  std::string GetListText(int selector) const;
  int MatchFilter(int criterion) const;
  static bool AnswersFilter(int /*type*/, int /*criterion*/) { return false; }

  Field<1> m_paramKind;
  Field<1> m_paramId;
  Field<7> m_paramValue;
};
