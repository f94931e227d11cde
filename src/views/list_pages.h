#pragma once
// The pages of the list: which records each tab lists, the tab's columns, and how the parts of a
// record are laid out in rows and cells. The list dialog only shows what is computed here.
//
// Row layout of the tabs with part columns: each column has a nesting level (a line's function
// and parameters stand under its end point, a special information's points under the
// information). A part goes into the row of the part it belongs to (the last part placed one
// level up; the record's first row for a top-level column) when its column and the columns of
// its sub-parts are free there; otherwise a new row is added below all rows of the record. So
// the first part of a top-level column stands in the first row, and repeated parts stand below
// each other with their own sub-parts beside them.

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The tabs, in their order.
enum ListTab : int {
  kListUlobnn = 0,
  kListUlo8alk,
  kListUlob210f,
  kListDlob,
  kListUltann,
  kListUlta1000,
  kListDlta,
  kListUlpunn,
  kListDlpu,
  kListUlovekdw,
  kListSonstige,
  kListAlle,
};
inline constexpr int kListTabCount = 12;

// Longest running text that fits one cell of tabs "Sonstige" and "Alle", the piece cut off it
// when it grows longer, and the length from which a cell is closed.
inline constexpr std::size_t kListCellMax = 255;
inline constexpr std::size_t kListCellCut = 196;
inline constexpr std::size_t kListCellClose = 128;

struct ListColour {
  int r, g, b;
  bool operator==(const ListColour&) const = default;
};

struct ListColumn {
  std::string header;
  int width;  // pixels
};

// The record indexes of the selected tab, in store order (rebuilt at every tab change).
extern std::vector<int> g_listIndex;

std::string_view ListTabLabel(int tab);
// The list's look before a tab is chosen: one column with a request, on grey.
std::string ListStartHeader();
inline constexpr int kListStartWidth = 800;
inline constexpr ListColour kListStartBackground{191, 191, 191};
ListColour ListTabBackground(int tab);

// The columns of a tab; with `whf` (ListeWhf) the last column of tabs 0 and 1 shows the
// repetition factors of the special information points instead of the points.
std::vector<ListColumn> ListColumns(int tab, bool whf);

// True when records with this information name are listed under the tab ("Alle": every record).
bool ListTabHolds(int tab, int infoNameIndex);
// True when no record in scope belongs to the tab's group (its icon shows the empty image). For
// "Sonstige" a record counts whose information name belongs to none of the tabs before it.
std::array<bool, kListTabCount> ListGroupsEmpty();

// Fills g_listIndex with the records in scope (the filter set when one exists) of the tab.
void RebuildListIndex(int tab);

struct ListRow {
  int record;                      // store index of the record the row belongs to
  std::vector<std::string> cells;  // one per column; the first row of a record holds its number
};

// The page from g_listStart on, at most `maxCount` records of g_listIndex. g_listStart is clamped
// to the group first (0 for an empty group).
std::vector<ListRow> BuildListPage(int tab, int maxCount, bool whf);

// The slider's field for a slider position: "Nr. %d: Satz " with the position + 1, then the
// record's line number and file slot as its title begins.
std::string ListSliderText(int position);
