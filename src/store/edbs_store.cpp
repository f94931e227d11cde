#include "store/edbs_store.h"

#include <algorithm>
#include <cstdint>

#include "platform/canvas.h"
#include "records/parser.h"
#include "store/keyword_tables.h"

CEdbsStore g_store;
std::array<std::string, kLoadedFileSlots> g_loadedFiles;
int g_filterCount = 0;

int CEdbsStore::AddRecord(std::string text, int lineNumber, int opKeyIndex, int infoNameIndex,
                          int fileIndex, int checkFlags) {
  g_parseText = std::move(text);
  CEdbsRecord& record = m_records.emplace_back();
  record.m_lineNumber = lineNumber;
  record.m_opKeyIndex = opKeyIndex;
  record.m_infoNameIndex = infoNameIndex;
  record.m_fileIndex = fileIndex;
  record.m_checkFlags = checkFlags;
  return ParseRecord(record);
}

void CEdbsStore::DeleteRecord(int i) { m_records.erase(m_records.begin() + i); }

void CEdbsStore::DeleteRecordsOutsideFilterSet() {
  // One pass instead of one erase per record: deleting half of a million records one by one
  // would move the kept ones up hundreds of thousands of times.
  std::erase_if(m_records, [](const CEdbsRecord& r) { return r.m_inFilter == 0; });
  ClearFilterSet();
}

void CEdbsStore::ClearAll(edbs::Canvas* dc) {
  const std::int64_t n = static_cast<std::int64_t>(m_records.size());
  std::int64_t threshold = 0;
  for (std::int64_t i = 0; i < n; ++i) {
    if (dc != nullptr && i > threshold) {
      threshold += n / 100;
      const std::int64_t x = std::min<std::int64_t>(720, 120 + 620 * i / n);
      dc->FillRect(120, 72, static_cast<int>(x), 82);
      dc->Flush();
    }
    m_records[static_cast<std::size_t>(i)].m_parts.clear();
  }
  m_records.clear();
  m_records.shrink_to_fit();
  for (auto& slot : g_loadedFiles) slot.clear();
}

std::string CEdbsStore::GetRecordTitle(int i) const {
  const CEdbsRecord& r = m_records[i];
  std::string title = Format("%6d.%02d  ", r.m_lineNumber, r.m_fileIndex);
  title += OpKeyTable[std::clamp(r.m_opKeyIndex, 0, kOpKeyCount - 1)];
  title += ' ';
  title += InfoNameTable[std::clamp(r.m_infoNameIndex, 0, kInfoNameCount - 1)];
  return title;
}

std::string CEdbsStore::GetPartTypeName(int i, int j) const { return std::string(PartTypeName(GetPartType(i, j))); }

std::string CEdbsStore::GetPartListTextDotted(int i, int j, int& typeInOut) const {
  std::string text = m_records[i].GetPartListText(j, typeInOut);
  std::replace(text.begin(), text.end(), ' ', '\xB7');
  return text;
}

int CEdbsStore::ApplyFilterCriterion(int criterion, int mode, int negate) {
  int count = 0;
  for (CEdbsRecord& r : m_records) {
    const bool takesPart = (r.m_inFilter > 0 && mode == 1) || (r.m_inFilter == 0 && mode == 0);
    if (takesPart) {
      r.m_inFilter = 0;
      r.MatchFilter(criterion);
      if (negate > 0) r.m_inFilter = r.m_inFilter > 0 ? 0 : 1;
    }
    if (r.m_inFilter > 0) ++count;
  }
  g_filterCount = count;
  return 0;
}

void CEdbsStore::ClearFilterSet() {
  for (CEdbsRecord& r : m_records) r.m_inFilter = 0;
  g_filterCount = 0;
}
