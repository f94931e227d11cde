#include "store/edbs_store.h"

#include <algorithm>
#include <cstdint>

#include "platform/canvas.h"
#include "records/parser.h"
#include "records/part_classes.h"
#include "store/keyword_tables.h"

CEdbsStore g_store;
std::array<std::string, kLoadedFileSlots> g_loadedFiles;
int g_filterCount = 0;

int CEdbsStore::AddRecord(std::string_view text, int lineNumber, int opKeyIndex, int infoNameIndex,
                          int fileIndex, int checkFlags) {
  return AppendParsed(text, lineNumber, opKeyIndex, infoNameIndex, fileIndex, checkFlags, false);
}

int CEdbsStore::AddRecordInArena(std::string_view text, int lineNumber, int opKeyIndex, int infoNameIndex,
                                 int fileIndex, int checkFlags) {
  return AppendParsed(text, lineNumber, opKeyIndex, infoNameIndex, fileIndex, checkFlags, true);
}

int CEdbsStore::AppendParsed(std::string_view text, int lineNumber, int opKeyIndex, int infoNameIndex,
                             int fileIndex, int checkFlags, bool inArena) {
  CEdbsRecord& record = m_records.emplace_back();
  record.m_lineNumber = lineNumber;
  record.m_opKeyIndex = static_cast<std::int8_t>(opKeyIndex);
  record.m_infoNameIndex = static_cast<std::int8_t>(infoNameIndex);
  record.m_fileIndex = static_cast<std::int8_t>(fileIndex);
  record.m_checkFlags = static_cast<std::uint16_t>(checkFlags);
  const int result = ParseRecord(text, record.m_opKeyIndex, record.m_infoNameIndex, m_placements);
  record.m_parseResult = static_cast<std::int16_t>(result > 0 ? result : 0);
  record.m_parts = CPartList(Arena(), text, m_placements, record.m_infoNameIndex, inArena);
  return result;
}

CTextArena& CEdbsStore::Arena() {
  if (m_arenas.empty()) m_arenas.push_back(std::make_shared<CTextArena>());
  return *m_arenas.back();
}

void CEdbsStore::UseArena(std::shared_ptr<CTextArena> arena) { m_arenas.push_back(std::move(arena)); }

void CEdbsStore::DeleteRecord(int i) { m_records.erase(m_records.begin() + i); }

void CEdbsStore::DeleteRecordsOutsideFilterSet() {
  // One pass instead of one erase per record: deleting half of a million records one by one
  // would move the kept ones up hundreds of thousands of times.
  std::erase_if(m_records, [](const CEdbsRecord& r) { return r.m_inFilter == 0; });
  ClearFilterSet();
  GiveBackDeletedTexts();
}

void CEdbsStore::GiveBackDeletedTexts() {
  std::size_t kept = 0, held = 0;
  for (const CEdbsRecord& r : m_records) kept += r.Text().size() + 3 * r.m_parts.size();
  for (const auto& arena : m_arenas) held += arena->Capacity();
  if (kept * 2 > held) return;
  // The records left move into an arena of their own; the old arenas go (the error list keeps the
  // one of the last load while it shows it).
  auto fresh = std::make_shared<CTextArena>(kept);
  std::vector<PartPlacement> parts;
  for (CEdbsRecord& r : m_records) {
    parts.clear();
    for (std::size_t j = 0; j < r.m_parts.size(); ++j) parts.push_back({r.m_parts.Type(j), r.m_parts.Offset(j)});
    r.m_parts = CPartList(*fresh, r.Text(), parts, r.m_parts.InfoNameIndex());
  }
  m_records.shrink_to_fit();
  m_arenas.clear();
  m_arenas.push_back(std::move(fresh));
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
  }
  m_records.clear();
  m_records.shrink_to_fit();
  m_arenas.clear();
  for (auto& slot : g_loadedFiles) slot.clear();
}

std::string CEdbsStore::GetRecordTitle(int i) const {
  const CEdbsRecord& r = m_records[i];
  std::string title = PaddedInt(r.m_lineNumber, 6);
  title += '.';
  title += PaddedInt(r.m_fileIndex, 2, '0');
  title += "  ";
  title += OpKeyTable[std::clamp<int>(r.m_opKeyIndex, 0, kOpKeyCount - 1)];
  title += ' ';
  title += InfoNameTable[std::clamp<int>(r.m_infoNameIndex, 0, kInfoNameCount - 1)];
  return title;
}

std::string CEdbsStore::GetPartTypeName(int i, int j) const { return std::string(PartTypeName(GetPartType(i, j))); }

std::string CEdbsStore::GetPartListTextDotted(int i, int j, int& typeInOut) const {
  std::string text;
  AppendPartListTextDotted(text, i, j, typeInOut);
  return text;
}

void CEdbsStore::AppendPartListTextDotted(std::string& out, int i, int j, int& typeInOut) const {
  const std::size_t from = out.size();
  const CPartRef part = m_records[i].m_parts[static_cast<std::size_t>(j)];
  if (const auto text = ListTextInPlace(part)) {
    typeInOut = part.m_type;
    out += *text;
  } else {
    out += m_records[i].GetPartListText(j, typeInOut);
  }
  std::replace(out.begin() + static_cast<std::ptrdiff_t>(from), out.end(), ' ', '\xB7');
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
