#pragma once
// The detail dialog's record tree, decided without a window: which records it pages through, the
// page of record nodes with their part nodes, the slider's ticks and text, and which record and
// part a selected node stands for. The dialog only shows what is computed here.

#include <string>
#include <vector>

// The records the detail dialog pages through, in store order: the filter set when one exists,
// else every record. Rebuilt by each "Detail..." command.
extern std::vector<int> g_detailRecords;
// The record being drawn (store index) and its part being drawn, or one of the codes below.
extern int g_detailRecord;
extern int g_detailPart;

// g_detailPart when the record node is selected: the record graphic is drawn.
inline constexpr int kDetailRecordGraphic = -1;
// g_detailPart when the selected part node has no text: nothing is drawn.
inline constexpr int kDetailNothing = -99;

// Image list of the tree: one icon per operation-key index, then the part node's two icons.
inline constexpr int kDetailPartIcon = 11;
inline constexpr int kDetailSelectedPartIcon = 12;
inline constexpr int kDetailIconCount = 13;

struct DetailPartNode {
  int part;          // index of the part in its record
  std::string text;  // "%3d  " and the part type name
};

struct DetailRecordNode {
  int record;         // store index, kept with the node: the title is not parsed back
  std::string title;  // the record's title
  int icon;           // the operation-key index
  std::vector<DetailPartNode> parts;
};

struct DetailPage {
  int first = 0;  // position in g_detailRecords of the first record node (the slider's position)
  std::vector<DetailRecordNode> records;
};

// Fills g_detailRecords with the filter set, or every record when there is none.
void RebuildDetailRecords();

// The page from g_detailStart on (limited to the records there are), at most `maxCount` records;
// with `hideWhf` the repetition-factor parts are left out (their neighbours keep their numbers).
// A page size below 1, as a profile may hold, shows one record per page.
DetailPage BuildDetailPage(int maxCount, bool hideWhf);

// Records per page as the slider and the page use it: at least 1.
int DetailPageSize(int maxCount);
// The slider's tick marks for `count` records: every multiple of the page size below count.
std::vector<int> DetailSliderTicks(int count, int maxCount);
// The slider's field for a slider position: "Nr. %d: Satz " with the position + 1, then the
// record's line number and file slot as its title begins; empty outside g_detailRecords.
std::string DetailSliderText(int position);

// True when the tree shows a part of this type; `hideWhf` hides the repetition factors.
bool DetailShowsPart(int partType, bool hideWhf);
// The text of a part node.
std::string DetailPartNodeText(int record, int part);

// A record node was selected: its record is drawn as a graphic. A record index outside the
// store leaves g_detailRecord as it was.
void SelectDetailRecord(int record);
// A part node was selected: the part's fields are drawn; an empty node text draws nothing.
void SelectDetailPart(int record, int part, bool nodeTextEmpty = false);

// Back to program start.
void ResetDetailState();
