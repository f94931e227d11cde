#pragma once
// The one table of the filter criteria: for every criterion code its tab, the texts the filter
// dialog shows, the kind of input with its limits and defaults, and how a record answers it.
// Which part types answer a part criterion is not kept here: the part classes say it themselves
// (AnswersFilter), see FilterPartTypes in record_dispatch.cpp.

#include <array>
#include <cstddef>
#include <string_view>

#include "records/filter_criteria.h"

// What the user gives a criterion.
enum class FilterInput : int {
  kList,         // a selection of list lines
  kLine,         // an argument line of single values and ranges
  kCoordinates,  // the four fields of the coordinate window
  kNone,         // nothing
};

// The lines a list tab offers.
enum class FilterList : int {
  kNoList,
  kFiles,          // "%02d %s" per loaded file
  kOpKeys,         // operation-key table without its placeholder
  kInfoNames,      // information-name table without its placeholder
  kPartTypes,      // part-type name table without its placeholder
  kDataKeys,       // deletion aggregates (data keys of the search criterion) without the placeholder
  kObjectTypes,    // the five object types
  kGeometryKinds,  // the 15 kinds of geometry
  kInfoKinds,      // the 35 kinds of special information
  kFachkennungen,  // collected from the data
};

// How a record answers the criterion.
enum class FilterScope : int {
  kRecord,     // from the record's own members (file, line, key, name, part names, faults)
  kAnyPart,    // some part whose class answers the criterion matches
  kFirstPart,  // the first part whose class answers the criterion matches; later ones are not asked
  kListText,   // some part's list text begins with an argument
};

struct FilterCriterionInfo {
  FilterCriterion code;
  int tab;                        // the dialog's tab that offers the criterion
  std::string_view label;         // tab label (Windows-1252)
  std::string_view heading;       // shown in the "Filtername" field
  std::string_view description;   // shown in the "Beschreibung" field
  FilterInput input;
  FilterList list;
  int valueWidth;                 // list tabs: characters of a selected line taken as the value; 0 = all
  int minChars, maxChars;         // line tabs: characters per value
  int padWidth;                   // line tabs: every bound padded with blanks and cut to this width; 0 = kept
  std::string_view defaultFrom;   // lower bound of an argument that gives none
  std::string_view defaultTo;     // upper bound of an argument that gives none
  std::string_view checkboxLabel; // the tab's extra checkbox that selects this code (empty for the tab's own)
  FilterScope scope;
};

inline constexpr int kFilterTabCount = 26;
inline constexpr int kFilterCriterionCount = kFilterTabCount + 3;

// Every criterion: the 26 tabs in tab order (row t is tab t), then the three checkbox variants.
extern const std::array<FilterCriterionInfo, kFilterCriterionCount> kFilterTable;

// The row of a criterion code, or nullptr for a code that is no criterion.
const FilterCriterionInfo* FindFilterCriterion(int code);
// The row of tab 0..25 (its own code).
const FilterCriterionInfo& FilterTabInfo(int tab);
// The code a tab runs: its own, or the checkbox variant's when `extraTicked` and the tab has one.
FilterCriterion FilterTabCode(int tab, bool extraTicked);
// The checkbox variant of a tab, or nullptr when the tab has no extra checkbox.
const FilterCriterionInfo* FilterTabExtra(int tab);
