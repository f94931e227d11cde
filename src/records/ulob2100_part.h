#pragma once
// Special information (Besondere Information, ULOB2100 and its ALK variant ULO21ALK): a text, key,
// name or reference attached to an object, with the kind of geometry of the points that follow.

#include <string>
#include <string_view>

#include "records/edbs_part.h"

class CUlob2100Part : public CEdbsPart {
 public:
  // type is 6 (ULOB2100, 48 characters, with Objektteilnummer) or 10 (ULO21ALK, 45 characters).
  // error: 0, or 100 + type when the record has too few characters left. On success linkText
  // receives the kind of geometry, which the following ULOB2110 parts need.
  CUlob2100Part(int& error, int type, std::string& linkText);
  // The characters a part of this class takes: the parser measures its parts by it.
  static constexpr std::size_t Width(int type) { return type == kPtUlob2100 ? 48 : 45; }
  // The kind of geometry of a part of this class that begins at `at` in the record `text`, as
  // reading the part gives it: every point after it asks for it.
  static std::string_view GeometryKindAt(std::string_view text, std::size_t at, int type) {
    if (at > text.size() || text.size() - at < Width(type)) return {};  // a part without room reads nothing
    return text.substr(at + kGeometryKindAt, 2);
  }

  int FillDetail() const;
  std::string GetListText(int selector) const;
  int MatchFilter(int criterion) const;
  static bool AnswersFilter(int type, int criterion);

  std::string_view GetObjectType() const { return m_objectType.View(); }
  std::string_view GetGeometryKind() const { return m_geometryKind.View(); }
  std::string_view GetInfoKind() const { return m_infoKind.View(); }
  std::string_view GetInfoText() const { return m_text.View(); }

 private:
  static constexpr std::size_t kGeometryKindAt = 43;

  bool HasPartNumber() const { return m_type == kPtUlob2100; }
  int FillKeyRows() const;
  void FillAin80Rows() const;

  Field<2> m_infoKind;      // DLOB2101 Art der besonderen Information
  Field<2> m_mapType;       // DLOB2102 Kartentyp
  Field<6> m_objectType;    // DLOB2103 Objektart/Untergangsdatum
  Field<33> m_text;         // DLOB2104 Objektname
  Field<2> m_geometryKind;  // DLOB2105 Art der Geometrie
  Field<3> m_partNumber;    // DLOB2106 Objektteilnummer (ULOB2100 only)
};
