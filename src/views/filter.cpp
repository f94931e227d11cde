#include "views/filter.h"

#include <algorithm>
#include <set>
#include <utility>

#include "platform/cp1252_literal.h"
#include "platform/text.h"
#include "records/edbs_part.h"
#include "records/kind_texts.h"
#include "store/edbs_store.h"
#include "store/keyword_tables.h"

const std::string_view kFilterMsgNoSelection = CP("Keine Zeile in der Liste als Suchmuster ausgewählt!");
const std::string_view kFilterMsgTooManyArguments =
    CP("Es wurden mehr als 20 Argumente angegeben!\nFilter nicht ausgeführt!");
const std::string_view kFilterMsgEmptyLine = CP("Zeile ist leer!\nFilter nicht ausgeführt!");

namespace {

constexpr char kArgumentEnd = ':';
constexpr char kRangeMark = '-';
constexpr char kWildcard = '?';

std::string MultipleDash(std::size_t pos) {
  return Format(CP("Fehler: Mehrfaches '-' an Position %d gefunden!\nFilter nicht ausgeführt!"),
                static_cast<int>(pos));
}

std::string TooFewCharacters(std::size_t pos, int minimum) {
  return Format(CP("Das Argument an der Position %d unterschreitet\ndie minimale Anzahl Zeichen (%d) für diese "
                   "Art von Argument!\nFilter nicht ausgeführt!"),
                static_cast<int>(pos), minimum);
}

std::string TooManyCharacters(std::size_t pos, int maximum) {
  return Format(CP("Das Argument an der Position %d überschreitet\ndie maximale Anzahl Zeichen (%d) für diese "
                   "Art von Argument!\nFilter nicht ausgeführt!"),
                static_cast<int>(pos), maximum);
}

FilterArguments DefaultArguments(const FilterCriterionInfo& tab) {
  FilterArguments args;
  args.count = g_filterArgCount;
  args.from.fill(std::string(tab.defaultFrom));
  args.to.fill(std::string(tab.defaultTo));
  return args;
}

// Selected list lines become single values; a larger selection than the argument list holds is
// refused rather than cut.
std::optional<std::string> TakeSelection(const FilterCriterionInfo& tab, const std::vector<std::string>& lines,
                                         FilterArguments& args) {
  if (lines.empty()) return std::string(kFilterMsgNoSelection);
  if (lines.size() > static_cast<std::size_t>(kMaxFilterArgs)) return std::string(kFilterMsgTooManyArguments);
  for (std::size_t k = 0; k < lines.size(); ++k) {
    args.from[k] = tab.valueWidth > 0 ? std::string(Left(lines[k], tab.valueWidth)) : lines[k];
    args.to[k] = args.from[k];
  }
  args.count = static_cast<int>(lines.size());
  return std::nullopt;
}

// Text that does not start with a number reads as 0, as strtod gives it.
void TakeCoordinates(const std::array<std::string, 4>& texts) {
  CoordWindow w{TextToDouble(texts[0]), TextToDouble(texts[1]), TextToDouble(texts[2]), TextToDouble(texts[3])};
  if (w.xMin > w.xMax) std::swap(w.xMin, w.xMax);
  if (w.yMin > w.yMax) std::swap(w.yMin, w.yMax);
  g_coordWindow = w;
}

// Blank padding to the field width, then "?" spans the whole character range: a blank below, a
// "z" above. Every bound is treated, also those the line did not set.
void FinishLineBounds(const FilterCriterionInfo& tab, FilterArguments& args) {
  for (int k = 0; k < kMaxFilterArgs; ++k) {
    for (std::string* bound : {&args.from[k], &args.to[k]}) {
      if (tab.padWidth > 0) bound->resize(static_cast<std::size_t>(tab.padWidth), ' ');
    }
    std::replace(args.from[k].begin(), args.from[k].end(), kWildcard, ' ');
    std::replace(args.to[k].begin(), args.to[k].end(), kWildcard, 'z');
  }
}

}  // namespace

std::optional<std::string> ParseArgumentLine(const FilterCriterionInfo& tab, std::string_view typed,
                                             FilterArguments& args) {
  bool upper = false;  // reading the upper part of the argument
  int chars = 0;       // characters of the current part
  int n = 0;           // index of the current argument
  std::string scratch;  // the bounds of an argument beyond the list: read, never stored
  // The typed line read as if it ended with one more argument end.
  for (std::size_t pos = 0; pos <= typed.size(); ++pos) {
    const char c = pos < typed.size() ? typed[pos] : kArgumentEnd;
    if (c == ' ') continue;
    if (c == kRangeMark) {
      if (upper) return MultipleDash(pos);
      if (chars >= 1 && chars < tab.minChars) return TooFewCharacters(pos, tab.minChars);
      upper = true;
      chars = 0;
      continue;
    }
    if (c == kArgumentEnd) {
      if (!upper && chars == 0) continue;  // an empty argument is skipped
      if (chars >= 1 && chars < tab.minChars) return TooFewCharacters(pos, tab.minChars);
      if (!upper && n < kMaxFilterArgs) args.to[n] = args.from[n];  // a single value
      if (++n > kMaxFilterArgs) return std::string(kFilterMsgTooManyArguments);
      upper = false;
      chars = 0;
      continue;
    }
    std::string& bound = n >= kMaxFilterArgs ? scratch : upper ? args.to[n] : args.from[n];
    if (chars == 0) bound.clear();
    bound += c;
    if (++chars > tab.maxChars) return TooManyCharacters(pos, tab.maxChars);
  }
  if (n == 0) return std::string(kFilterMsgEmptyLine);
  args.count = n;
  return std::nullopt;
}

std::optional<std::string> RunFilter(const FilterRun& run) {
  const FilterCriterionInfo& tab = FilterTabInfo(run.tab);
  FilterArguments args = DefaultArguments(tab);
  FilterCriterion code = tab.code;
  switch (tab.input) {
    case FilterInput::kList:
      if (auto message = TakeSelection(tab, run.selectedLines, args)) return message;
      break;
    case FilterInput::kLine:
      if (auto message = ParseArgumentLine(tab, run.argumentLine, args)) return message;
      FinishLineBounds(tab, args);
      code = FilterTabCode(run.tab, run.extraTicked);
      break;
    case FilterInput::kCoordinates:
      TakeCoordinates(run.coordinates);
      break;
    case FilterInput::kNone:
      break;
  }
  g_filterArgCount = args.count;
  g_filterFrom = std::move(args.from);
  g_filterTo = std::move(args.to);
  g_store.ApplyFilterCriterion(code, run.refine ? 1 : 0, run.negate ? 1 : 0);
  return std::nullopt;
}

std::vector<std::string> CollectFachkennungen() {
  std::set<std::string> found;
  std::string key;
  for (int i = 0; i < g_store.GetRecordCount(); ++i) {
    for (int j = 0; j < g_store.GetPartCount(i); ++j) {
      if (g_store.GetFachkennung(i, j, key)) found.insert(key);
    }
  }
  return {found.begin(), found.end()};
}

namespace {

template <std::size_t N>
std::vector<std::string> WithoutPlaceholder(const std::array<std::string_view, N>& table) {
  return {table.begin(), table.end() - 1};
}

std::vector<std::string> LoadedFileLines() {
  std::vector<std::string> lines;
  for (int k = 0; k < kLoadedFileSlots; ++k) {
    if (!g_loadedFiles[k].empty()) lines.push_back(PaddedInt(k, 2, '0') + ' ' + edbs::NativePathToText(g_loadedFiles[k]));
  }
  return lines;
}

std::vector<std::string> ObjectTypeLines() {
  return {CP("P (Punktförmiges Objekt)"), CP("L (Linienförmiges Objekt)"), CP("F (Flächenförmiges Objekt)"),
          "K (Komplexes Objekt)", "R (Rahmenobjekt)"};
}

std::vector<std::string> AsStrings(const std::vector<std::string_view>& views) { return {views.begin(), views.end()}; }

}  // namespace

std::vector<std::string> FilterListLines(int tab) {
  switch (FilterTabInfo(tab).list) {
    case FilterList::kFiles: return LoadedFileLines();
    case FilterList::kOpKeys: return WithoutPlaceholder(OpKeyTable);
    case FilterList::kInfoNames: return WithoutPlaceholder(InfoNameTable);
    case FilterList::kPartTypes: return WithoutPlaceholder(PartTypeNameTable);
    case FilterList::kDataKeys: return WithoutPlaceholder(DataKeyTable);
    case FilterList::kObjectTypes: return ObjectTypeLines();
    case FilterList::kGeometryKinds: return AsStrings(GeometryKindLines());
    case FilterList::kInfoKinds: return AsStrings(InfoKindLines());
    case FilterList::kFachkennungen: return CollectFachkennungen();
    case FilterList::kNoList: break;
  }
  return {};
}

std::string FilterCountText() { return PaddedInt(g_filterCount, 0) + CP(" Sätze"); }
