#pragma once
// Aggregates of records that carry no object geometry of their own: the shift and rotate
// operations of an FGEO "ULOVEKDW" record, the free user text of an "ULOTEX  " record and the
// date and time of an "ULODATUM" record. None of them has a point of the record's geometry and
// none answers a filter criterion of its own.

#include <cstddef>
#include <string>
#include <string_view>

#include "records/edbs_part.h"

// FGEO-Operation (Verschieben): moves a point from its old to its new position.
class CUlovek00Part : public CEdbsPart {
 public:
  static constexpr std::size_t kWidth = 41;
  static constexpr std::size_t Width(int /*type*/) { return kWidth; }

  // error: 0, or 123 when fewer than 41 characters remain; nothing is read then.
  explicit CUlovek00Part(int& error);

  int FillDetail() const;
  std::string GetListText(int selector) const;
  int MatchFilter(int criterion) const { return 0; }
  static bool AnswersFilter(int /*type*/, int /*criterion*/) { return false; }

  // Rechtswert and Hochwert of the old and the new point (0.0 when nothing was read).
  double GetOldX() const { return m_oldX; }
  double GetOldY() const { return m_oldY; }
  double GetNewX() const { return m_newX; }
  double GetNewY() const { return m_newY; }

 private:
  Field<1> m_leadChar;  // kept for the list text only
  Field<8> m_oldHead;   // old point, characters 0-7 of its point field
  Field<12> m_oldTail;  // old point, characters 8-19
  Field<8> m_newHead;
  Field<12> m_newTail;
  double m_oldX = 0.0, m_oldY = 0.0, m_newX = 0.0, m_newY = 0.0;
};

// FGEO-Operation (Drehen): turns a symbol or text from its old to its new direction.
class CUlodre00Part : public CEdbsPart {
 public:
  static constexpr std::size_t kWidth = 40;
  static constexpr std::size_t Width(int /*type*/) { return kWidth; }

  // error: 0, or 124 when fewer than 40 characters remain; nothing is read then.
  explicit CUlodre00Part(int& error);

  int FillDetail() const;
  std::string GetListText(int selector) const;
  int MatchFilter(int criterion) const { return 0; }
  static bool AnswersFilter(int /*type*/, int /*criterion*/) { return false; }

  // Direction angles in gon (0.0 when nothing was read).
  double GetOldAngle() const { return m_oldAngle; }
  double GetNewAngle() const { return m_newAngle; }

 private:
  Field<2> m_oldId;
  Field<18> m_oldAngleText;  // integer, hundredths of a gon
  Field<2> m_newId;
  Field<18> m_newAngleText;
  double m_oldAngle = 0.0, m_newAngle = 0.0;
};

// Benutzerinformation: the rest of the record, 18 characters per text line.
class CUlotexPart : public CEdbsPart {
 public:
  // Never fails (error 0): takes every character from the cursor to the end of the record.
  explicit CUlotexPart(int& error);

  int FillDetail() const;
  std::string GetListText(int selector) const { return m_text; }
  int MatchFilter(int criterion) const { return 0; }
  static bool AnswersFilter(int /*type*/, int /*criterion*/) { return false; }

 private:
  std::string m_text;
};

// Datum: date (YYMMDD) and time (HHMMSS), each behind its check character.
class CUlodatumPart : public CEdbsPart {
 public:
  static constexpr std::size_t kWidth = 14;
  static constexpr std::size_t Width(int /*type*/) { return kWidth; }

  // error: 0, or 127 when fewer than 14 characters remain; nothing is read then.
  explicit CUlodatumPart(int& error);

  int FillDetail() const;
  std::string GetListText(int selector) const;
  int MatchFilter(int criterion) const { return 0; }
  static bool AnswersFilter(int /*type*/, int /*criterion*/) { return false; }

 private:
  Field<1> m_dateCheckChar;
  Field<6> m_date;
  Field<1> m_timeCheckChar;
  Field<6> m_time;
};
