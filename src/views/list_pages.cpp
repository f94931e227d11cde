#include "views/list_pages.h"

#include <algorithm>
#include <cstdint>

#include "platform/cp1252_literal.h"
#include "records/edbs_part.h"
#include "store/edbs_store.h"
#include "store/keyword_tables.h"
#include "views/record_scope.h"
#include "views/settings.h"

std::vector<int> g_listIndex;

namespace {

constexpr int kNoKey = -1;
constexpr int kFirstPartColumn = 2;  // after the line number and the record header
constexpr int kMaxLevel = 3;

// A column filled by the parts of one type; for the search criterion, by the value of one key.
struct ColumnDef {
  int partType;
  int dataKey;
  int width;
  int level;  // nesting under the columns to its left (see the header)
};

ColumnDef Part(int type, int width, int level = 0) { return {type, kNoKey, width, level}; }
ColumnDef Key(std::string_view key) { return {kPtSuchkrit, LookupDataKey(key), 80, 0}; }

int PartTypeCodeOf(std::string_view name) {
  const auto it = std::find(PartTypeNameTable.begin(), PartTypeNameTable.end(), name);
  return static_cast<int>(it - PartTypeNameTable.begin());
}

// The part columns of each tab; tabs "Sonstige" and "Alle" have one running-text column instead.
const std::vector<ColumnDef>& PartColumns(int tab) {
  static const std::array<std::vector<ColumnDef>, kListTabCount> columns = {{
      {Part(kPtUlob0000, 140), Part(kPtUlob1000, 150), Part(kPtUlob1100, 200, 1), Part(kPtUlob1110, 60, 2),
       Part(kPtUlob1200, 140, 1), Part(kPtUlob2000, 180), Part(kPtUlob2100, 320, 1), Part(kPtUlob2110, 140, 2)},
      {Part(kPtUlob0000, 140), Part(kPtUlob1000, 150), Part(kPtUlo11Alk, 200, 1), Part(kPtUlob1200, 140, 1),
       Part(kPtUlo20Alk, 180), Part(kPtUlo21Alk, 320, 1), Part(kPtUlob2110, 140, 2)},
      {Part(kPtUlob2100, 150), Part(kPtUlob2110, 150, 1), Key("DLOB0001"), Key("DLOB0002"), Key("DLOB0003"),
       Key("DLOB2003"), Key("DLOB2005"), Key("DLOB2006"), Key("DLOB2101")},
      {Key("DLOB0001"), Key("DLOB0002"), Key("DLOB0003"), Key("DLOB2003"), Key("DLOB2005"), Key("DLOB2006"),
       Key("DLOB2101"), Key("DLOBJTNR")},
      {Part(kPtUlta0000, 140), Part(kPtUlta1000, 150)},
      {Part(kPtUlta1000, 80), Key("DLTA0001"), Key("DLTA0002"), Key("DLTA0003"), Key("DLTA0004"), Key("DLTA1001")},
      {Key("DLTA0001"), Key("DLTA0002"), Key("DLTA0003"), Key("DLTA0004"), Key("DLTA1001")},
      {Part(kPtUlpu0000, 140), Part(kPtUlpu1000, 150), Part(kPtUlpu2000, 200), Part(kPtUlpu3000, 60),
       Part(kPtUlpu4000, 140), Part(kPtUlpu5000, 180), Part(kPtUlpu6000, 320), Part(kPtUlpu6100, 140, 1),
       Part(kPtUlpu7000, 140)},
      {Key("DLPU0001"), Key("DLPU0002"), Key("DLPU0003"), Key("DLPU0004"), Key("DLPU0007"), Key("DLPU2001"),
       Key("DLPU3001"), Key("DLPU4001"), Key("DLPU5001"), Key("DLPU6001"), Key("DLPU6101"), Key("DLPU7001")},
      {Part(kPtUlovek00, 250), Part(kPtUlodre00, 250)},
      {},
      {},
  }};
  return columns[tab];
}

// With the repetition factors shown, the two object tabs show the factor of the last object part
// in its last column. Both forms are made once: every page asks for them.
const std::vector<ColumnDef>& PartColumns(int tab, bool whf) {
  static const std::array<std::vector<ColumnDef>, kListTabCount> withFactors = [] {
    std::array<std::vector<ColumnDef>, kListTabCount> columns;
    for (int k = 0; k < kListTabCount; ++k) columns[static_cast<std::size_t>(k)] = PartColumns(k);
    for (int k : {kListUlobnn, kListUlo8alk}) columns[static_cast<std::size_t>(k)].back().partType = PartTypeCodeOf("WHF_ULO21ALK");
    return columns;
  }();
  return whf ? withFactors[static_cast<std::size_t>(tab)] : PartColumns(tab);
}

bool HasRunningText(int tab) { return tab == kListSonstige || tab == kListAlle; }

// As many as ListColumns gives, without writing their headers.
std::size_t ColumnCount(int tab) { return kFirstPartColumn + (HasRunningText(tab) ? 1 : 0) + PartColumns(tab).size(); }

// The tab that lists each information name; -1 for names only "Alle" lists.
const std::array<int, kInfoNameCount>& TabOfInfoName() {
  static const std::array<int, kInfoNameCount> table = [] {
    std::array<int, kInfoNameCount> t;
    t.fill(-1);
    const auto put = [&t](int tab, std::initializer_list<std::string_view> names) {
      for (std::string_view name : names) t[LookupInfoName(name)] = tab;
    };
    put(kListUlobnn, {"ULOBNN  "});
    put(kListUlo8alk, {"ULO8ALK "});
    put(kListUlob210f, {"ULOB210F"});
    put(kListDlob, {"DLOB2005", "DLOB2003", "DLOB2101", "DLOB0001", "DLOBJTNR"});
    put(kListUltann, {"ULTANN  "});
    put(kListUlta1000, {"ULTA1000"});
    put(kListDlta, {"DLTA0001", "DLTA1001"});
    put(kListUlpunn, {"ULPUNN  "});
    put(kListDlpu, {"DLPU0001"});
    put(kListUlovekdw, {"ULOVEKDW"});
    put(kListSonstige, {"ULOTEX  ", "ULQA0000", "ULODATUM", "IBENKRT "});
    return t;
  }();
  return table;
}

int TabOf(int infoNameIndex) {
  return infoNameIndex >= 0 && infoNameIndex < kInfoNameCount ? TabOfInfoName()[infoNameIndex] : -1;
}

// Lays out the records of one page.
class PageBuilder {
 public:
  PageBuilder(int tab, bool whf, std::size_t columnCount)
      : m_defs(PartColumns(tab, whf)), m_runningText(HasRunningText(tab)), m_columnCount(columnCount) {}

  void AddRecord(int i) {
    m_first = AddRow(i);
    m_rows[m_first].cells[0] = PaddedInt(g_store.GetLineNumber(i), 0) + '.' + PaddedInt(g_store.GetFileIndex(i), 2, '0');
    m_levelRow.fill(m_first);
    if (m_runningText) {
      AddRunningText(i);
    } else {
      for (int j = 0; j < g_store.GetPartCount(i); ++j) AddPart(i, j);
    }
  }

  std::vector<ListRow> Take() { return std::move(m_rows); }

 private:
  static std::string Text(int i, int j, int selector) { return g_store.GetPartListTextDotted(i, j, selector); }

  std::size_t AddRow(int i) {
    m_rows.push_back(ListRow{i, std::vector<std::string>(m_columnCount)});
    m_used.push_back(0);
    return m_rows.size() - 1;
  }

  void Put(std::size_t row, std::size_t column, std::string text) {
    m_rows[row].cells[column] = std::move(text);
    m_used[row] |= Bit(column);
  }
  bool Used(std::size_t row, std::size_t column) const { return (m_used[row] & Bit(column)) != 0; }
  // A tab has fewer than 64 columns (the widest, DLPU...., has 14).
  static std::uint64_t Bit(std::size_t column) { return std::uint64_t{1} << column; }

  void AddPart(int i, int j) {
    const int type = g_store.GetPartType(i, j);
    if (type == kPtAnfang) {
      Put(m_first, 1, Text(i, j, kNoKey));
      return;
    }
    for (std::size_t k = 0; k < m_defs.size(); ++k) {
      if (m_defs[k].partType == type) Place(k, Text(i, j, m_defs[k].dataKey));
    }
  }

  // Into the row of the part one level up when the column and its sub-columns are free there,
  // else into a new row below the record's rows.
  void Place(std::size_t k, std::string text) {
    const int level = std::clamp(m_defs[k].level, 0, kMaxLevel);
    const std::size_t parentRow = level == 0 ? m_first : m_levelRow[level - 1];
    std::size_t end = k + 1;
    while (end < m_defs.size() && m_defs[end].level > m_defs[k].level) ++end;
    bool free = true;
    for (std::size_t c = k; c < end && free; ++c) free = !Used(parentRow, kFirstPartColumn + c);
    const std::size_t row = free ? parentRow : AddRow(m_rows[m_first].record);
    Put(row, kFirstPartColumn + k, std::move(text));
    for (int l = level; l <= kMaxLevel; ++l) m_levelRow[l] = row;
  }

  // All parts but the header as one text, each after two blanks, broken into cells.
  void AddRunningText(int i) {
    const std::size_t content = kFirstPartColumn;
    const int parts = g_store.GetPartCount(i);
    std::size_t row = m_first;
    std::string running;
    for (int j = 0; j < parts; ++j) {
      if (g_store.GetPartType(i, j) == kPtAnfang) {
        Put(m_first, 1, Text(i, j, kNoKey));
        continue;
      }
      running += "  ";
      int selector = kNoKey;
      g_store.AppendPartListTextDotted(running, i, j, selector);
      // A cell holds at most kListCellMax characters; a longer text is cut into pieces.
      while (running.size() > kListCellMax) {
        Put(row, content, running.substr(0, kListCellCut));
        running.erase(0, kListCellCut);
        row = AddRow(i);
      }
      if (running.size() > kListCellClose) {
        Put(row, content, std::move(running));
        running.clear();
        if (j + 1 < parts) row = AddRow(i);
      }
    }
    if (!running.empty()) Put(row, content, std::move(running));
  }

  const std::vector<ColumnDef>& m_defs;
  bool m_runningText;
  std::size_t m_columnCount;
  std::vector<ListRow> m_rows;
  std::vector<std::uint64_t> m_used;  // per row, a bit for each column that holds text
  std::size_t m_first = 0;
  std::array<std::size_t, kMaxLevel + 1> m_levelRow{};
};

}  // namespace

std::string_view ListTabLabel(int tab) {
  static constexpr std::array<std::string_view, kListTabCount> labels = {
      "ULOBNN", "ULO8ALK", "ULOB210F", "DLOB....", "ULTANN",   "ULTA1000",
      "DLTA....", "ULPUNN", "DLPU....", "ULOVEKDW", "Sonstige", "Alle"};
  return tab >= 0 && tab < kListTabCount ? labels[tab] : std::string_view();
}

std::string ListStartHeader() { return CP("Bitte wählen Sie einen Typ von Informationsnamen aus!"); }

ListColour ListTabBackground(int tab) {
  switch (tab) {
    case kListUlobnn:
    case kListUlo8alk: return {240, 240, 255};
    case kListAlle: return {250, 250, 250};
    case kListUlob210f:
    case kListDlob: return {240, 248, 255};
    case kListUltann:
    case kListUlta1000:
    case kListDlta: return {240, 255, 240};
    case kListUlpunn:
    case kListDlpu: return {255, 250, 235};
    case kListUlovekdw: return {255, 242, 242};
    default: return {245, 245, 245};
  }
}

std::vector<ListColumn> ListColumns(int tab, bool whf) {
  if (tab < 0 || tab >= kListTabCount) return {};
  std::vector<ListColumn> columns;
  columns.reserve(ColumnCount(tab));
  columns.push_back({tab == kListUlo8alk ? "Zeilen-Nr.\n2.Zeile" : "Zeilen-Nr.", 60});
  columns.push_back({std::string(PartTypeName(kPtAnfang)), tab >= kListUlovekdw ? 290 : 240});
  if (tab == kListSonstige) columns.push_back({"Sonstiger Inhalt", 2000});
  if (tab == kListAlle) columns.push_back({"Inhalt", 2000});
  for (const ColumnDef& d : PartColumns(tab, whf)) {
    const std::string_view header = d.dataKey == kNoKey ? PartTypeName(d.partType) : DataKeyTable[d.dataKey];
    columns.push_back({std::string(header), d.width});
  }
  return columns;
}

bool ListTabHolds(int tab, int infoNameIndex) {
  return tab == kListAlle || (tab >= 0 && tab < kListAlle && TabOf(infoNameIndex) == tab);
}

std::array<bool, kListTabCount> ListGroupsEmpty() {
  std::array<bool, kListTabCount> empty;
  empty.fill(true);
  for (int i = 0; i < g_store.GetRecordCount(); ++i) {
    if (!RecordInScope(i)) continue;
    const int tab = TabOf(g_store.GetInfoNameIndex(i));
    empty[tab >= 0 && tab < kListSonstige ? tab : kListSonstige] = false;
    empty[kListAlle] = false;
  }
  return empty;
}

void RebuildListIndex(int tab) {
  g_listIndex.clear();
  for (int i = 0; i < g_store.GetRecordCount(); ++i) {
    if (RecordInScope(i) && ListTabHolds(tab, g_store.GetInfoNameIndex(i))) g_listIndex.push_back(i);
  }
}

std::vector<ListRow> BuildListPage(int tab, int maxCount, bool whf) {
  const int count = static_cast<int>(g_listIndex.size());
  g_listStart = count == 0 ? 0 : std::clamp(g_listStart, 0, count - 1);
  if (tab < 0 || tab >= kListTabCount) return {};
  // A page size read from the profile is not range-checked; a page shows at least one record.
  const std::int64_t end = std::min<std::int64_t>(count, std::int64_t{g_listStart} + std::max(1, maxCount));
  PageBuilder builder(tab, whf, ColumnCount(tab));
  for (std::int64_t k = g_listStart; k < end; ++k) builder.AddRecord(g_listIndex[static_cast<std::size_t>(k)]);
  return builder.Take();
}

std::string ListSliderText(int position) {
  if (position < 0 || position >= static_cast<int>(g_listIndex.size())) return {};
  const int i = g_listIndex[static_cast<std::size_t>(position)];
  return Format("Nr. %d: Satz %6d.%02d", position + 1, g_store.GetLineNumber(i), g_store.GetFileIndex(i));
}
