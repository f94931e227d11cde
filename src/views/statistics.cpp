#include "views/statistics.h"

#include <array>
#include <cstdint>
#include <map>
#include <string_view>
#include <unordered_map>

#include "platform/cp1252_literal.h"
#include "platform/text.h"
#include "records/edbs_part.h"
#include "store/edbs_store.h"
#include "store/keyword_tables.h"
#include "views/record_scope.h"

namespace {

using Lines = std::vector<std::string>;
using Count = std::int64_t;

constexpr std::string_view kRule = "________________________________________________";

// Placeholders of the part-field readers for a part without such a field.
constexpr std::string_view kNoLayer = "zzz";
constexpr std::string_view kNoObjectType = "zzzz";
constexpr std::string_view kNoKind = "XX";
constexpr std::string_view kNoFourCharValue = "XXXX";

// Kinds of special information whose text begins with a Fachkennung.
constexpr std::string_view kFirstFachKind = "11";
constexpr std::string_view kLastFachKind = "19";
constexpr std::string_view kFachKindNames = "44";
constexpr std::size_t kFachkennungWidth = 2;

// The lines every statistic begins with: the share of the filter set when one exists.
Lines Frame(std::string_view title) {
  Lines out;
  if (g_filterCount > 0) {
    const int records = g_store.GetRecordCount();
    const double percent = records > 0 ? 100.0 * g_filterCount / records : 0.0;
    out.push_back(Format(CP("Nur gefilterte Sätze !  (%4.1f%%)"), percent));
    out.emplace_back(" ");
  }
  out.emplace_back(title);
  out.emplace_back(kRule);
  return out;
}

std::string Row(Count count, std::string_view name) {
  std::string row = Format("%7lld\t", static_cast<long long>(count));
  row += name;
  return row;
}

// A counter per table entry and one for everything outside the table.
struct TableCounts {
  explicit TableCounts(std::size_t entries) : perEntry(entries, 0) {}
  void Add(int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < perEntry.size()) {
      ++perEntry[static_cast<std::size_t>(index)];
    } else {
      ++unknown;
    }
  }
  std::vector<Count> perEntry;
  Count unknown = 0;
};

struct TableForm {
  std::string_view title;
  std::string_view totalFormat;  // "%7lld\t..." with the total
  bool hasUnknownRow;
  bool unknownInTotal;
};

template <typename NameOf>
Lines TableLines(const TableForm& form, const TableCounts& counts, NameOf nameOf) {
  Lines out = Frame(form.title);
  Count total = 0;
  for (std::size_t k = 0; k < counts.perEntry.size(); ++k) {
    if (counts.perEntry[k] <= 0) continue;
    out.push_back(Row(counts.perEntry[k], nameOf(k)));
    total += counts.perEntry[k];
  }
  if (form.hasUnknownRow && counts.unknown > 0) out.push_back(Row(counts.unknown, "UNBEKANNT"));
  if (form.unknownInTotal) total += counts.unknown;
  out.emplace_back(kRule);
  out.push_back(Format(std::string(form.totalFormat).c_str(), static_cast<long long>(total)));
  return out;
}

// Counts one table index per record in scope.
template <typename IndexOf>
TableCounts CountRecords(std::size_t entries, IndexOf indexOf) {
  TableCounts counts(entries);
  for (int i = 0; i < g_store.GetRecordCount(); ++i) {
    if (RecordInScope(i)) counts.Add(indexOf(i));
  }
  return counts;
}

Lines RecordsPerFile() {
  const TableCounts counts = CountRecords(kLoadedFileSlots, [](int i) { return g_store.GetFileIndex(i); });
  const TableForm form{"Anzahl\tDateiname", CP("%7lld\tGesamtanzahl Sätze"), false, true};
  return TableLines(form, counts, [](std::size_t k) { return edbs::NativePathToText(g_loadedFiles[k]); });
}

Lines OpKeys() {
  const TableCounts counts = CountRecords(kUnknownOpKey, [](int i) { return g_store.GetOpKeyIndex(i); });
  const TableForm form{CP("Anzahl\tOperationsschlüssel"), CP("%7lld\tGesamtanzahl Operationsschlüssel"), true,
                       true};
  return TableLines(form, counts, [](std::size_t k) { return OpKeyTable[k]; });
}

Lines InfoNames() {
  const TableCounts counts = CountRecords(kUnknownInfoName, [](int i) { return g_store.GetInfoNameIndex(i); });
  const TableForm form{"Anzahl\tInformationsnamen", "%7lld\tGesamtanzahl Informationsnamen", true, true};
  return TableLines(form, counts, [](std::size_t k) { return InfoNameTable[k]; });
}

Lines Aggregates() {
  TableCounts counts(kUnknownPartType);
  for (int i = 0; i < g_store.GetRecordCount(); ++i) {
    if (!RecordInScope(i)) continue;
    for (int j = 0; j < g_store.GetPartCount(i); ++j) counts.Add(g_store.GetPartType(i, j));
  }
  // Parts of an unknown type are shown but stay out of the total.
  const TableForm form{"Anzahl\tAggregate", "%7lld\tGesamtanzahl Aggregate", true, false};
  return TableLines(form, counts, [](std::size_t k) { return PartTypeNameTable[k]; });
}

// Short texts compared character by character: called for every part, where a library call per
// comparison would cost more than the comparison.
bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); ++k) {
    if (a[k] != b[k]) return false;
  }
  return true;
}

// The number of parts per distinct value: a hash table (millions of parts, few distinct values)
// behind the value counted last, which neighbouring parts often repeat.
class ValueCounts {
 public:
  void Add(const std::string& value) {
    if (m_last != nullptr && SameText(m_last->first, value)) {
      ++m_last->second;
      return;
    }
    auto [it, inserted] = m_counts.try_emplace(value, 0);
    ++it->second;
    m_last = &*it;
  }
  // std::string orders byte-wise with bytes taken as unsigned, as strcmp does.
  std::map<std::string, Count> Sorted() const { return {m_counts.begin(), m_counts.end()}; }

 private:
  std::unordered_map<std::string, Count> m_counts;
  std::pair<const std::string, Count>* m_last = nullptr;
};

// Distinct values in byte-wise order with the number of parts that carry each. The reader fills
// `value` and returns false for a part without such a value.
template <typename ValueOf>
Lines DistinctLines(std::string_view title, ValueOf valueOf) {
  ValueCounts counts;
  std::string value;
  for (int i = 0; i < g_store.GetRecordCount(); ++i) {
    if (!RecordInScope(i)) continue;
    for (int j = 0; j < g_store.GetPartCount(i); ++j) {
      if (valueOf(i, j, value)) counts.Add(value);
    }
  }
  Lines out = Frame(title);
  for (const auto& [v, n] : counts.Sorted()) out.push_back(Row(n, v));
  out.emplace_back(kRule);
  return out;
}

// A reader that skips the placeholder of parts without the field.
template <typename Reader>
auto Skipping(std::string_view placeholder, Reader read) {
  return [placeholder, read](int i, int j, std::string& value) {
    value = (g_store.*read)(i, j);
    return !SameText(value, placeholder);
  };
}

bool ObjectKey(int i, int j, std::string& value) {
  std::string layer = g_store.GetLayer(i, j);
  if (SameText(layer, kNoLayer)) return false;
  std::string objectType = g_store.GetObjectType(i, j);
  if (SameText(objectType, kNoObjectType)) return false;
  value = std::move(layer);
  value += '\t';
  value += objectType;
  return true;
}

bool Fachkennung(int i, int j, std::string& value) {
  const std::string kind = g_store.GetInfoKind(i, j);
  if (!((kind >= kFirstFachKind && kind <= kLastFachKind) || kind == kFachKindNames)) return false;
  std::string text = g_store.GetInfoText(i, j).substr(0, kFachkennungWidth);
  if (SameText(text, kNoKind)) return false;
  value = std::move(text);
  return true;
}

Lines Extremes() {
  constexpr double kStart = 9999999.999;
  double minX = kStart, minY = kStart, maxX = -kStart, maxY = -kStart;
  for (int i = 0; i < g_store.GetRecordCount(); ++i) {
    const int op = g_store.GetOpKeyIndex(i);
    if (!RecordInScope(i) || (op != kFEIN && op != kBSPE)) continue;
    for (int j = 0; j < g_store.GetPartCount(i); ++j) {
      double x = 0, y = 0;
      if (g_store.GetPoint(i, j, x, y) != 0) continue;
      minX = std::min(minX, x);
      minY = std::min(minY, y);
      maxX = std::max(maxX, x);
      maxY = std::max(maxY, y);
    }
  }
  if (minX > kStart - 0.001) minX = minY = maxX = maxY = 0;
  Lines out = Frame("Extremalkoordinaten");
  out.push_back(Format("Rechtswert:\t\t\t%11.3f m", maxX));
  out.push_back(Format("Hochwert:\t\t\t%11.3f m", maxY));
  out.insert(out.end(), {" ", " "});
  out.push_back(Format(CP("\t\tGröße: %11.3f x %11.3f m"), maxX - minX, maxY - minY));
  out.insert(out.end(), {" ", " "});
  out.push_back(Format("Rechtswert:\t%11.3f m", minX));
  out.push_back(Format("Hochwert:\t%11.3f m", minY));
  out.emplace_back(kRule);
  return out;
}

}  // namespace

std::string StatisticsStartLine() { return CP("Bitte wählen Sie links eine Statistik aus!"); }

std::vector<std::string> StatisticLines(int kind) {
  switch (kind) {
    case kStatRecordsPerFile: return RecordsPerFile();
    case kStatOpKeys: return OpKeys();
    case kStatInfoNames: return InfoNames();
    case kStatAggregates: return Aggregates();
    case kStatLayers: return DistinctLines("Anzahl\tFolie", Skipping(kNoLayer, &CEdbsStore::GetLayer));
    case kStatObjectKinds:
      return DistinctLines("Anzahl\tObjektart", Skipping(kNoObjectType, &CEdbsStore::GetObjectType));
    case kStatObjectKeys: return DistinctLines(CP("Anzahl\tObjektschlüssel"), ObjectKey);
    case kStatInfoKinds:
      return DistinctLines("Anzahl\tArten der besonderen Information", Skipping(kNoKind, &CEdbsStore::GetInfoKind));
    case kStatGeometryKinds:
      return DistinctLines("Anzahl\tArten der Geometrie", Skipping(kNoKind, &CEdbsStore::GetGeometryKind));
    case kStatFachkennungen: return DistinctLines("Anzahl\tFachkennungen", Fachkennung);
    case kStatExtremes: return Extremes();
    case kStatAttributes:
      return DistinctLines("Anzahl\tAttribute", Skipping(kNoFourCharValue, &CEdbsStore::GetAttribute));
    case kStatRepeatCounts:
      return DistinctLines("Anzahl\tWiederholungsfaktoren", Skipping(kNoFourCharValue, &CEdbsStore::GetRepeatCount));
    default: return {};
  }
}
