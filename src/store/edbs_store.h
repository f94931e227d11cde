#pragma once
// The record store: every record read since the last clearing, in reading order, with the filter
// set. Views address records and parts by index only.

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "records/part_list.h"
#include "store/edbs_record.h"
#include "store/text_arena.h"

namespace edbs {
class Canvas;
}

inline constexpr int kLoadedFileSlots = 100;

// Slot k holds the path of the file whose records carry m_fileIndex k; empty = free.
extern std::array<std::string, kLoadedFileSlots> g_loadedFiles;
// Number of records in the filter set; 0 means no filter set exists.
extern int g_filterCount;

class CEdbsStore {
 public:
  // Parses `text` into a new record appended at the end (also when parsing fails). Returns minus
  // the number of parts built, or the parser's positive error code. The text is copied into the
  // arena that takes the texts now (Arena()).
  int AddRecord(std::string_view text, int lineNumber, int opKeyIndex, int infoNameIndex, int fileIndex,
                int checkFlags);
  // The same for a text that lies in Arena() already, as the reader put it there: it stays where
  // it is.
  int AddRecordInArena(std::string_view text, int lineNumber, int opKeyIndex, int infoNameIndex, int fileIndex,
                       int checkFlags);
  // The arena that takes the texts and part tables of the records added from now on; a load hands
  // the store the arena its lines lie in (the error list keeps it too).
  CTextArena& Arena();
  void UseArena(std::shared_ptr<CTextArena> arena);
  // Room for `count` more records, so that a load does not move the records again and again.
  void ReserveRecords(std::size_t count) { m_records.reserve(m_records.size() + count); }

  int GetRecordCount() const { return static_cast<int>(m_records.size()); }
  void DeleteRecord(int i);
  // Removes every record outside the filter set (all of them when the set is empty) in one
  // pass, keeping the order of the others, then clears the filter set.
  void DeleteRecordsOutsideFilterSet();
  // Destroys every record; with a surface, draws the "delete" progress bar meanwhile. Empties
  // g_loadedFiles afterwards.
  void ClearAll(edbs::Canvas* dc = nullptr);

  int GetLineNumber(int i) const { return m_records[i].m_lineNumber; }
  int GetOpKeyIndex(int i) const { return m_records[i].m_opKeyIndex; }
  int GetInfoNameIndex(int i) const { return m_records[i].m_infoNameIndex; }
  int GetFileIndex(int i) const { return m_records[i].m_fileIndex; }
  int IsInFilterSet(int i) const { return m_records[i].m_inFilter; }
  int GetCheckFlags(int i) const { return m_records[i].m_checkFlags; }
  int GetParseResult(int i) const { return m_records[i].m_parseResult; }
  std::string GetRecordTitle(int i) const;

  int GetPartCount(int i) const { return static_cast<int>(m_records[i].m_parts.size()); }
  int GetPartType(int i, int j) const { return m_records[i].m_parts.Type(static_cast<std::size_t>(j)); }
  std::string GetPartTypeName(int i, int j) const;
  int FillPartDetail(int i, int j) const { return m_records[i].FillPartDetail(j); }
  // The part's list text with every blank shown as a middle dot (0xB7).
  std::string GetPartListTextDotted(int i, int j, int& typeInOut) const;
  // The same, added to `out`. A text that lies in the record as it is shown is copied from there
  // instead of reading the part.
  void AppendPartListTextDotted(std::string& out, int i, int j, int& typeInOut) const;

  // Typed part-field readers; parts of other types give the placeholder.
  std::string GetLayer(int i, int j) const;          // "zzz"
  std::string GetObjectType(int i, int j) const;     // "zzzz"
  std::string GetGeometryKind(int i, int j) const;   // "XX"
  std::string GetInfoKind(int i, int j) const;       // "XX"
  std::string GetInfoText(int i, int j) const;       // "XX"
  // The Fachkennung (the first two characters of the text) of part (i, j) when it is special
  // information of a kind whose text begins with one; false for any other part.
  bool GetFachkennung(int i, int j, std::string& key) const;
  std::string GetAttribute(int i, int j) const;      // "XXXX"
  std::string GetRepeatCount(int i, int j) const;    // "XXXX"
  double GetDirectionAngle(int i, int j) const;      // 0.0
  // 0 with the point; 1 for a part of a point type that carries no point; 2 for other types.
  int GetPoint(int i, int j, double& x, double& y) const;

  // mode 1 refines the current set, mode 0 extends it; negate > 0 inverts the test. Returns 0.
  int ApplyFilterCriterion(int criterion, int mode, int negate);
  void ClearFilterSet();

  const CEdbsRecord& Record(int i) const { return m_records[i]; }

 private:
  int AppendParsed(std::string_view text, int lineNumber, int opKeyIndex, int infoNameIndex, int fileIndex,
                   int checkFlags, bool inArena);
  // Moves the records left after a deletion into a fresh arena when they use less than half of
  // the arenas, so that deleting records gives their memory back.
  void GiveBackDeletedTexts();

  std::vector<CEdbsRecord> m_records;
  // Where the records' texts and part tables lie; a record points into one of them.
  std::vector<std::shared_ptr<CTextArena>> m_arenas;
  PartPlacements m_placements;  // the parser's work list, kept for its capacity
};

extern CEdbsStore g_store;
