#pragma once
// Line geometry of an object record: the start point of the lines (ULOB0000), per line its end
// point with the kind of geometry (ULOB1000) and its spline support points (ULOB1200).

#include <cstdint>
#include <string>
#include <string_view>

#include "records/edbs_part.h"
#include "records/kind_texts.h"


// The 20-character point field the three line parts share, kept as the numbering district
// (characters 0..7 in the district forms) and the coordinate within it (characters 8..19).
class CLinePointPart : public CEdbsPart {
 public:
  // 0 and the point (Rechtswert, Hochwert); 1 when the part holds no coordinates.
  int GetPoint(double& x, double& y) const;
  // GetPoint of a stored part without building it, where it lies: `rest` is its record text from
  // its first character on, `width` the characters its class takes; `splineKind` when the field may
  // hold the kind of spline instead (ULOB1200). The graphic asks this of millions of points.
  static int PointInPlace(std::string_view rest, std::size_t width, bool splineKind, double& x, double& y);

  Field<8> m_pointHead;
  Field<12> m_pointTail;

 protected:
  explicit CLinePointPart(int type) : CEdbsPart(type) {}
  // Copies the point field at the parse cursor; decodes it unless `decode` is false.
  void ReadPoint(bool decode);
  // Rows 1 to 3: the two halves of the point, labelled by their form, and the formatted point.
  void FillPointRows(std::string_view tag1, std::string_view tag2) const;
  // Criteria 8 (coordinate window) and 9 (numbering district).
  int MatchPointFilter(int criterion) const;
  static bool AnswersPointFilter(int criterion);

  bool m_hasPoint = false;

 private:
  // The point is decoded when it is first asked for: most parts are read for their detail rows
  // or list text, which show the field as it is.
  void Decode() const;
  mutable double m_x = 0.0;  // Rechtswert
  mutable double m_y = 0.0;  // Hochwert
  mutable bool m_decoded = false;
};

class CUlob0000Part : public CLinePointPart {
 public:
  // error: 0, or 100 when fewer than 21 characters remain.
  explicit CUlob0000Part(int& error);
  // The characters a part of this class takes: the parser measures its parts by it.
  static constexpr std::size_t Width(int /*type*/) { return 21; }

  int FillDetail() const;
  std::string GetListText(int selector) const;
  int MatchFilter(int criterion) const;
  static bool AnswersFilter(int type, int criterion);

  Field<1> m_checkChar;
};

class CUlob1000Part : public CLinePointPart {
 public:
  // error: 0, or 101 when fewer than 22 characters remain.
  explicit CUlob1000Part(int& error);
  // The characters a part of this class takes: the parser measures its parts by it.
  static constexpr std::size_t Width(int /*type*/) { return 22; }

  int FillDetail() const;
  std::string GetListText(int selector) const;
  int MatchFilter(int criterion) const;
  static bool AnswersFilter(int type, int criterion);
  std::string_view GetGeometryKind() const { return m_geometryKind.View(); }

  Field<2> m_geometryKind;
};

class CUlob1200Part : public CLinePointPart {
 public:
  // error: 0, or 104 when fewer than 20 characters remain.
  explicit CUlob1200Part(int& error);
  // The characters a part of this class takes: the parser measures its parts by it.
  static constexpr std::size_t Width(int /*type*/) { return 20; }

  int FillDetail() const;
  std::string GetListText(int selector) const;
  int MatchFilter(int criterion) const;
  static bool AnswersFilter(int type, int criterion);

  // 1 when the aggregate names the kind of spline in its first character instead of a point.
  std::int8_t m_isSplineKind = 0;
};
