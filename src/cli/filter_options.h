#pragma once
// The filter options of the batch tool, shared by its verbs:
//   --filter TAB=ARGS    runs the criterion of tab TAB (its label or its index 0..25) with ARGS
//   --filter TAB+=ARGS   the same with the tab's extra checkbox ticked
//   --oder               the next filter extends the set instead of refining it
//   --nicht              the next filter is negated
// The first filter extends the empty set, each further one refines it. A verb takes the options
// out of its arguments before it loads, and applies them after all files are loaded.

#include <string>
#include <vector>

namespace cli {

constexpr int kExitFilterMessage = 3;

struct FilterStep {
  int tab = 0;
  bool extend = false;
  bool negate = false;
  bool extraTicked = false;
  std::string args;  // as given (UTF-8)
};

struct FilterOptions {
  std::vector<FilterStep> steps;
  bool empty() const { return steps.empty(); }
};

// Removes the filter options from `args` into `options`. Returns kExitOk, or kExitCannotOpen
// after a usage message on standard error (an unknown tab, a missing value).
int TakeFilterOptions(std::vector<std::string>& args, FilterOptions& options);

// Runs the steps in order on the loaded records. Returns kExitOk, or kExitFilterMessage after
// the filter's message on standard error; the steps after it are not run.
int ApplyFilterOptions(const FilterOptions& options);

// The filter dialog's count line, "Es sind jetzt N Sätze in der Filtermenge" (UTF-8).
std::string FilterCountLine();

}  // namespace cli
