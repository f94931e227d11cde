#pragma once
// One logical EDBS record: a single line, or a chain of continuation lines joined by the reader,
// decoded into its parts.

#include <bitset>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "records/edbs_part.h"
#include "records/filter_table.h"
#include "store/keyword_tables.h"

class CEdbsRecord {
 public:
  CEdbsRecord() = default;
  CEdbsRecord(CEdbsRecord&&) noexcept = default;
  CEdbsRecord& operator=(CEdbsRecord&&) noexcept = default;

  // Writes rows 0..n of DetailTable for part i and returns n (-1 when the part cannot be shown).
  int FillPartDetail(int i) const;
  // The list text of part i. selector is handed to the part and replaced by its type code.
  std::string GetPartListText(int i, int& selector) const;
  // Tests the record against filter criterion c; on a match sets m_inFilter to 1 and returns 1.
  int MatchFilter(int criterion);

  std::vector<std::unique_ptr<CEdbsPart>> m_parts;
  std::int32_t m_lineNumber = 0;
  std::int32_t m_opKeyIndex = 0;
  std::int32_t m_infoNameIndex = 0;
  std::int32_t m_fileIndex = 0;
  std::int32_t m_inFilter = 0;
  std::int32_t m_checkFlags = 0;
  std::int32_t m_parseResult = 0;

 private:
  bool RecordFieldMatches(int criterion) const;
  bool AnyPartMatches(const FilterCriterionInfo& info) const;
  bool FirstAnsweringPartMatches(const FilterCriterionInfo& info) const;
  bool ListTextMatches(bool ignoreCase) const;
};

// The part types whose class answers a criterion that the record's parts answer (none for the
// criteria the record answers from its own members or list texts).
const std::bitset<kPartTypeCount>& FilterPartTypes(int criterion);
