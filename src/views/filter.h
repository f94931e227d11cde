#pragma once
// The filter: reads the arguments of one criterion (a list selection, an argument line or the
// coordinate window), and applies the criterion to the filter set. The filter dialog and the
// batch tool both run criteria through here; texts are Windows-1252.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/filter_table.h"
#include "records/filter_values.h"

// What one run of a criterion is given.
struct FilterRun {
  int tab = 0;                  // 0..25
  bool refine = false;          // "Weiter filtern"; false: "Addieren"
  bool negate = false;          // "Komplimentär Filter"
  bool extraTicked = false;     // the tab's extra checkbox (tabs with a checkbox variant)
  std::string argumentLine;     // line tabs
  std::vector<std::string> selectedLines;  // list tabs: the selected lines as the list shows them
  // Coordinate tab: "VON" Rechtswert, "VON" Hochwert, "BIS" Rechtswert, "BIS" Hochwert, as typed.
  std::array<std::string, 4> coordinates;
};

// The argument list one run writes: every bound starts at the tab's default.
struct FilterArguments {
  int count = 0;
  std::array<std::string, kMaxFilterArgs> from;
  std::array<std::string, kMaxFilterArgs> to;
};

// Runs the criterion on the filter set. Returns the message when the arguments are refused;
// the filter arguments and the filter set are then unchanged. Nothing on success.
std::optional<std::string> RunFilter(const FilterRun& run);

// Reads an argument line of `tab` (a line tab) into `args`, whose bounds hold the defaults.
// Returns the message when the line is refused.
std::optional<std::string> ParseArgumentLine(const FilterCriterionInfo& tab, std::string_view line,
                                             FilterArguments& args);

// The lines a list tab offers, in list order.
std::vector<std::string> FilterListLines(int tab);
// The distinct Fachkennungen of the loaded records (the first two characters of the text of
// every special information that names an object), in ascending order.
std::vector<std::string> CollectFachkennungen();

// "%d Sätze" with g_filterCount, as the count field shows it.
std::string FilterCountText();

// The messages of the filter.
extern const std::string_view kFilterMsgNoSelection;
extern const std::string_view kFilterMsgTooManyArguments;
extern const std::string_view kFilterMsgEmptyLine;
