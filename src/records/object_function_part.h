#pragma once
// Object function (ULOB2000, short ALK form ULO20ALK): the first aggregate of every object of an
// object record, with layer, object kind, currency, object type and object number.

#include <string>
#include <string_view>

#include "records/edbs_part.h"

class CUlob2000Part : public CEdbsPart {
 public:
  // type 5 (ULOB2000, 26 characters) or 9 (ULO20ALK, 23 characters, without model type and
  // change note). error: 0, or 100 + type when fewer characters remain than the variant needs.
  CUlob2000Part(int& error, int type);
  // The characters a part of this class takes: the parser measures its parts by it.
  static constexpr std::size_t Width(int type) { return type == kPtUlob2000 ? 26 : 23; }

  int FillDetail() const;
  std::string GetListText(int selector) const;
  int MatchFilter(int criterion) const;
  static bool AnswersFilter(int type, int criterion);
  std::string_view GetLayer() const { return m_layer.View(); }
  std::string_view GetObjectType() const { return m_objectKind.View(); }

  Field<3> m_layer;
  Field<4> m_objectKind;
  Field<2> m_currency;
  Field<1> m_objectTypeChar;
  Field<7> m_objectNumber;
  Field<2> m_modelType;  // ULOB2000 only
  Field<6> m_creationDate;
  Field<1> m_changeNote;  // ULOB2000 only

 private:
  bool IsFullVariant() const { return m_type == kPtUlob2000; }
};
