#pragma once
// Point records (ULPU family): identity and administration, position, height, gravity, remarks,
// fixed-point administration, name and 3-D position of survey and fixed points.
//
// The nine aggregates differ only in their layout: fields lie back to back, each detail row shows
// the next field, a few fields answer filter criteria. One template therefore reads all of them
// and keeps the aggregate exactly as read; the layouts are tables in point_record_parts.cpp.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "records/edbs_part.h"

// Layout-driven operations shared by the point parts; `chars` is the aggregate as read (empty
// when it could not be read).
int FillPointRecordDetail(int type, std::string_view chars);
int MatchPointRecordFilter(int type, int criterion, std::string_view chars);
// True when a field of the aggregate answers the criterion.
bool PointRecordAnswersFilter(int type, int criterion);
// The characters of the data element named by its EDBS tag ("DLPU2002", the Rechtswert);
// empty when the aggregate has no such element or was not read.
std::string_view PointRecordElement(int type, std::string_view chars, std::string_view tag);

template <int Type, std::size_t N>
class CPointRecordPart : public CEdbsPart {
 public:
  static constexpr std::size_t kWidth = N;
  static constexpr std::size_t Width(int /*type*/) { return kWidth; }

  // error: 0, or 100 + Type when fewer than N characters remain; nothing is read then.
  explicit CPointRecordPart(int& error) : CEdbsPart(Type) {
    error = 0;
    if (!ParseHasRoom(N)) {
      error = 100 + Type;
      return;
    }
    m_chars.ReadAt(0);
    g_parsePos += static_cast<std::int32_t>(N);
  }

  int FillDetail() const { return FillPointRecordDetail(Type, m_chars.View()); }
  std::string GetListText(int /*selector*/) const { return m_chars.Str(); }
  int MatchFilter(int criterion) const { return MatchPointRecordFilter(Type, criterion, m_chars.View()); }
  static bool AnswersFilter(int /*type*/, int criterion) { return PointRecordAnswersFilter(Type, criterion); }
  std::string_view GetElement(std::string_view tag) const { return PointRecordElement(Type, m_chars.View(), tag); }

 private:
  // The fields follow each other without gaps, so the aggregate as read holds them all.
  Field<N> m_chars;
};

// Punktkennzeichen, Verwaltung.
class CUlpu0000Part : public CPointRecordPart<kPtUlpu0000, 65> {
 public:
  using CPointRecordPart::CPointRecordPart;
};
// Hinweis aus Messeinheit.
class CUlpu1000Part : public CPointRecordPart<kPtUlpu1000, 16> {
 public:
  using CPointRecordPart::CPointRecordPart;
};
// Lage.
class CUlpu2000Part : public CPointRecordPart<kPtUlpu2000, 45> {
 public:
  using CPointRecordPart::CPointRecordPart;
};
// Hoehe.
class CUlpu3000Part : public CPointRecordPart<kPtUlpu3000, 34> {
 public:
  using CPointRecordPart::CPointRecordPart;
};
// Schwere.
class CUlpu4000Part : public CPointRecordPart<kPtUlpu4000, 36> {
 public:
  using CPointRecordPart::CPointRecordPart;
};
// Bemerkung zum Punkt.
class CUlpu5000Part : public CPointRecordPart<kPtUlpu5000, 19> {
 public:
  using CPointRecordPart::CPointRecordPart;
};
// Festpunkt-Verwaltung.
class CUlpu6000Part : public CPointRecordPart<kPtUlpu6000, 19> {
 public:
  using CPointRecordPart::CPointRecordPart;
};
// Name, naehere Lagebezeichnung.
class CUlpu6100Part : public CPointRecordPart<kPtUlpu6100, 36> {
 public:
  using CPointRecordPart::CPointRecordPart;
};
// Position (3-D).
class CUlpu7000Part : public CPointRecordPart<kPtUlpu7000, 64> {
 public:
  using CPointRecordPart::CPointRecordPart;
};
