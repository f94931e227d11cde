#include "filter_options.h"

#include <iostream>
#include <optional>
#include <string_view>

#include "cli_common.h"
#include "platform/cp1252_literal.h"
#include "platform/text.h"
#include "records/edbs_part.h"
#include "records/filter_table.h"
#include "records/filter_values.h"
#include "views/filter.h"

namespace cli {
namespace {

constexpr std::string_view kFilterOption = "--filter";
constexpr std::string_view kOrOption = "--oder";
constexpr std::string_view kNotOption = "--nicht";
constexpr std::string_view kExtraMark = "+";

// A usage message (UTF-8) on standard error.
int Usage(const std::string& message) {
  std::cerr << message << '\n';
  return kExitCannotOpen;
}

// The tab named by its label (exact, else ignoring case) or by its index.
std::optional<int> FindTab(const std::string& name) {
  const std::string text = edbs::Utf8ToCp1252(name);
  for (int t = 0; t < kFilterTabCount; ++t) {
    if (FilterTabInfo(t).label == text) return t;
  }
  for (int t = 0; t < kFilterTabCount; ++t) {
    if (CompareNoCase(FilterTabInfo(t).label, text) == 0) return t;
  }
  if (!text.empty() && text.size() <= 2 && text.find_first_not_of("0123456789") == std::string::npos) {
    const int t = static_cast<int>(TextToInt(text));
    if (t < kFilterTabCount) return t;
  }
  return std::nullopt;
}

// "TAB=ARGS" or "TAB+=ARGS" into the step; a usage error when it has no "=" or names no tab.
int ReadFilterValue(const std::string& value, FilterStep& step) {
  const std::size_t eq = value.find('=');
  if (eq == std::string::npos) return Usage("--filter erwartet REITER=ARGUMENTE, nicht \"" + value + "\"");
  std::string name = value.substr(0, eq);
  step.extraTicked = name.size() > kExtraMark.size() && name.ends_with(kExtraMark);
  if (step.extraTicked) name.erase(name.size() - kExtraMark.size());
  const std::optional<int> tab = FindTab(name);
  if (!tab) return Usage("Unbekannter Filter-Reiter \"" + name + "\"");
  if (step.extraTicked && FilterTabExtra(*tab) == nullptr) {
    return Usage("Der Filter-Reiter \"" + name + "\" hat kein Zusatzfeld (+=)");
  }
  step.tab = *tab;
  step.args = value.substr(eq + 1);
  return kExitOk;
}

std::vector<std::string> SplitItems(const std::string& text) {
  std::vector<std::string> items;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = text.find(',', start);
    items.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (comma == std::string::npos) return items;
    start = comma + 1;
  }
}

std::string_view TrimRight(std::string_view text) {
  const std::size_t end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

// A list value names the line that the list offers; a table text without its trailing blanks
// names the entry that has them. Anything else is taken as it is (and matches nothing).
std::string ListLineOf(int tab, const std::string& value, const std::vector<std::string>& offered) {
  for (const std::string& line : offered) {
    if (line == value) return line;
  }
  if (FilterTabInfo(tab).valueWidth == 0) {
    for (const std::string& line : offered) {
      if (TrimRight(line) == value) return line;
    }
  }
  return value;
}

FilterRun MakeRun(const FilterStep& step, bool refine) {
  FilterRun run;
  run.tab = step.tab;
  run.refine = refine;
  run.negate = step.negate;
  run.extraTicked = step.extraTicked;
  const std::string args = edbs::Utf8ToCp1252(step.args);
  switch (FilterTabInfo(step.tab).input) {
    case FilterInput::kLine:
      run.argumentLine = args;
      break;
    case FilterInput::kList: {
      const std::vector<std::string> offered = FilterListLines(step.tab);
      for (const std::string& item : SplitItems(args)) {
        if (!item.empty()) run.selectedLines.push_back(ListLineOf(step.tab, item, offered));
      }
      break;
    }
    case FilterInput::kCoordinates: {
      const std::vector<std::string> items = SplitItems(args);
      for (std::size_t k = 0; k < run.coordinates.size() && k < items.size(); ++k) run.coordinates[k] = items[k];
      break;
    }
    case FilterInput::kNone:
      break;
  }
  return run;
}

}  // namespace

int TakeFilterOptions(std::vector<std::string>& args, FilterOptions& options) {
  std::vector<std::string> rest;
  FilterStep next;
  bool pending = false;  // --oder or --nicht waits for its filter
  for (std::size_t k = 0; k < args.size(); ++k) {
    const std::string& a = args[k];
    if (a == kOrOption) {
      next.extend = pending = true;
    } else if (a == kNotOption) {
      next.negate = pending = true;
    } else if (a == kFilterOption) {
      if (k + 1 >= args.size()) return Usage("--filter ohne REITER=ARGUMENTE");
      if (const int status = ReadFilterValue(args[++k], next); status != kExitOk) return status;
      options.steps.push_back(next);
      next = FilterStep{};
      pending = false;
    } else {
      rest.push_back(a);
    }
  }
  if (pending) return Usage(edbs::Cp1252ToUtf8(CP("--oder und --nicht gehören vor ein --filter")));
  args = std::move(rest);
  return kExitOk;
}

int ApplyFilterOptions(const FilterOptions& options) {
  for (std::size_t k = 0; k < options.steps.size(); ++k) {
    const FilterStep& step = options.steps[k];
    const bool refine = k > 0 && !step.extend;
    if (const std::optional<std::string> message = RunFilter(MakeRun(step, refine))) {
      std::cerr << edbs::Cp1252ToUtf8(*message) << '\n';
      return kExitFilterMessage;
    }
  }
  return kExitOk;
}

std::string FilterCountLine() {
  return edbs::Cp1252ToUtf8("Es sind jetzt " + FilterCountText() + " in der Filtermenge");
}

}  // namespace cli
