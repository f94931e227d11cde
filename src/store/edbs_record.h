#pragma once
// One logical EDBS record: a single line, or a chain of continuation lines joined by the reader,
// decoded into its parts. The record text lies in the store's arena; the record keeps where, and
// where each part begins in it (part_list.h).

#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>

#include "records/edbs_part.h"
#include "records/filter_table.h"
#include "records/part_list.h"
#include "store/keyword_tables.h"

class CEdbsRecord {
 public:
  // Writes rows 0..n of DetailTable for part i and returns n (-1 when the part cannot be shown).
  int FillPartDetail(int i) const;
  // The list text of part i. selector is handed to the part and replaced by its type code.
  std::string GetPartListText(int i, int& selector) const;
  // Tests the record against filter criterion c; on a match sets m_inFilter to 1 and returns 1.
  int MatchFilter(int criterion);

  std::string_view Text() const { return m_parts.Text(); }

  CPartList m_parts;
  // The members keep the ranges of their values (key and name indexes, file slots, check bits,
  // parse codes) in as few bytes as they need: a large delivery has millions of records.
  std::int32_t m_lineNumber = 0;
  std::int16_t m_parseResult = 0;
  std::uint16_t m_checkFlags = 0;
  std::int8_t m_opKeyIndex = 0;
  std::int8_t m_infoNameIndex = 0;
  std::int8_t m_fileIndex = 0;
  std::int8_t m_inFilter = 0;

 private:
  bool RecordFieldMatches(int criterion) const;
  bool AnyPartMatches(const FilterCriterionInfo& info) const;
  bool FirstAnsweringPartMatches(const FilterCriterionInfo& info) const;
  bool ListTextMatches(bool ignoreCase) const;
};

// The part types whose class answers a criterion that the record's parts answer (none for the
// criteria the record answers from its own members or list texts).
const std::bitset<kPartTypeCount>& FilterPartTypes(int criterion);
