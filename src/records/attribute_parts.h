#pragma once
// Attribute records (ULTANN): the attribute identification with its administration data
// (ULTA0000) and the attribute type and value pairs (ULTA1000).

#include <cstddef>
#include <string>
#include <string_view>

#include "records/edbs_part.h"

// Attributkennzeichen und Verwaltung.
class CUlta0000Part : public CEdbsPart {
 public:
  static constexpr std::size_t kWidth = 13;
  static constexpr std::size_t Width(int /*type*/) { return kWidth; }

  // error: 0, or 112 when fewer than 13 characters remain; nothing is read then.
  explicit CUlta0000Part(int& error);

  int FillDetail() const;
  std::string GetListText(int selector) const;
  // Object number, its last six characters, currency.
  int MatchFilter(int criterion) const;
  static bool AnswersFilter(int type, int criterion);

 private:
  Field<7> m_objectNumber;      // Objektnummer
  Field<3> m_objectPartNumber;  // Objektteilnummer
  Field<1> m_checkChar;         // Pruefzeichen
  Field<2> m_currency;          // Aktualitaet
};

// Attribut: type and value.
class CUlta1000Part : public CEdbsPart {
 public:
  static constexpr std::size_t kWidth = 11;
  static constexpr std::size_t Width(int /*type*/) { return kWidth; }

  // error: 0, or 113 when fewer than 11 characters remain; nothing is read then.
  explicit CUlta1000Part(int& error);

  int FillDetail() const;
  std::string GetListText(int selector) const;
  // Attribute type.
  int MatchFilter(int criterion) const;
  static bool AnswersFilter(int type, int criterion);
  // The Attributtyp (four characters; empty when the aggregate could not be read).
  std::string_view GetAttribute() const { return m_attributeType.View(); }

 private:
  Field<4> m_attributeType;   // Attributtyp
  Field<7> m_attributeValue;  // Attributwert
};
