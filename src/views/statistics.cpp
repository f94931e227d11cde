#include "views/statistics.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string_view>
#include <unordered_map>

#include "platform/cp1252_literal.h"
#include "platform/text.h"
#include "records/edbs_part.h"
#include "records/part_classes.h"
#include "records/whf_part.h"
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

// The lines every statistic begins with: the share of the filter set when one exists, the title
// and the rule. `rows` is how many lines the statistic adds below them, so that the list is
// allocated once.
Lines Frame(std::string_view title, std::size_t rows = 0) {
  Lines out;
  out.reserve(4 + rows);
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
  std::string row = PaddedInt(count, 7);
  row += '\t';
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
  const auto filled = static_cast<std::size_t>(
      std::count_if(counts.perEntry.begin(), counts.perEntry.end(), [](Count n) { return n > 0; }));
  Lines out = Frame(form.title, filled + 3);
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
// behind the two values counted last, which neighbouring parts often repeat.
class ValueCounts {
  // FNV-1a: the values are a few characters long, where the library's hash costs more.
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const {
      std::uint64_t h = 14695981039346656037ull;
      for (const char c : s) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
      return static_cast<std::size_t>(h);
    }
  };
  using Map = std::unordered_map<std::string, Count, Hash, std::equal_to<>>;

 public:
  using Entry = Map::value_type;

  // Counts n more parts with the value.
  void Add(std::string_view value, Count n = 1) {
    for (Entry* recent : m_recent) {
      if (recent != nullptr && SameText(recent->first, value)) {
        recent->second += n;
        return;
      }
    }
    auto it = m_counts.find(value);
    if (it == m_counts.end()) it = m_counts.emplace(std::string(value), 0).first;
    it->second += n;
    m_recent[1] = m_recent[0];
    m_recent[0] = &*it;
  }
  // The values in byte-wise order, bytes taken as unsigned as strcmp does (std::string's order);
  // they point into the counts.
  std::vector<const Entry*> Sorted() const {
    std::vector<const Entry*> sorted;
    sorted.reserve(m_counts.size());
    for (const Entry& e : m_counts) sorted.push_back(&e);
    std::sort(sorted.begin(), sorted.end(), [](const Entry* a, const Entry* b) { return a->first < b->first; });
    return sorted;
  }

 private:
  Map m_counts;
  std::array<Entry*, 2> m_recent{};
};

// Which part types the store answers with a value rather than its placeholder: those whose class
// has the reader, asked once per type through the part-type visitor. Parts of the other types
// are passed over without asking the store (most parts of a delivery carry none of the values).
template <typename Probe>
class ClassReads {
 public:
  ClassReads() {
    for (int type = 0; type < kPartTypeCount; ++type) {
      m_has[static_cast<std::size_t>(type)] =
          VisitPartClass(type, [](auto id) { return Probe::template Of<typename decltype(id)::type>(); });
    }
  }
  bool operator()(int i, int j) const {
    const int type = g_store.GetPartType(i, j);
    return type < 0 || type >= kPartTypeCount || m_has[static_cast<std::size_t>(type)];
  }

 private:
  std::array<bool, kPartTypeCount> m_has{};
};

struct ReadsLayer {
  template <typename C>
  static bool Of() { return requires(const C& p) { p.GetLayer(); }; }
};
struct ReadsObjectType {
  template <typename C>
  static bool Of() { return requires(const C& p) { p.GetObjectType(); }; }
};
struct ReadsGeometryKind {
  template <typename C>
  static bool Of() { return requires(const C& p) { p.GetGeometryKind(); }; }
};
struct ReadsInfoKind {
  template <typename C>
  static bool Of() { return requires(const C& p) { p.GetInfoKind(); }; }
};
struct ReadsAttribute {
  template <typename C>
  static bool Of() { return requires(const C& p) { p.GetAttribute(); }; }
};

// A row per distinct value, in byte-wise order, with the number of parts that carry it.
Lines SortedLines(std::string_view title, const std::vector<const ValueCounts::Entry*>& sorted) {
  Lines out = Frame(title, sorted.size() + 1);
  for (const ValueCounts::Entry* e : sorted) out.push_back(Row(e->second, e->first));
  out.emplace_back(kRule);
  return out;
}

// Distinct values in byte-wise order with the number of parts that carry each. `read` adds the
// value of a part that has one to the counts; it is asked only for parts whose class has the
// reader that Probe names.
template <typename Probe, typename Read>
Lines DistinctLines(std::string_view title, Read read) {
  ValueCounts counts;
  const ClassReads<Probe> classReads;
  for (int i = 0; i < g_store.GetRecordCount(); ++i) {
    if (!RecordInScope(i)) continue;
    for (int j = 0; j < g_store.GetPartCount(i); ++j) {
      if (classReads(i, j)) read(i, j, counts);
    }
  }
  return SortedLines(title, counts.Sorted());
}

// A store reader whose placeholder marks a part without the value.
template <typename Reader>
auto Skipping(std::string_view placeholder, Reader read) {
  return [placeholder, read](int i, int j, ValueCounts& counts) {
    const std::string value = (g_store.*read)(i, j);
    if (!SameText(value, placeholder)) counts.Add(value);
  };
}

// Layer and object type from one reading of the part; a part whose class lacks either has no key,
// as the store's readers give their placeholders for it.
void ObjectKey(int i, int j, ValueCounts& counts) {
  const CPartRef part = g_store.Record(i).m_parts[static_cast<std::size_t>(j)];
  VisitPartClass(part.m_type, [&part, &counts](auto id) {
    using Class = typename decltype(id)::type;
    if constexpr (requires(const Class& p) { p.GetLayer(); p.GetObjectType(); }) {
      const Class p = ReadPart<Class>(part);
      if (SameText(p.GetLayer(), kNoLayer) || SameText(p.GetObjectType(), kNoObjectType)) return;
      std::string key(p.GetLayer());
      key += '\t';
      key += p.GetObjectType();
      counts.Add(key);
    }
  });
}

void Fachkennung(int i, int j, ValueCounts& counts) {
  std::string key;
  if (g_store.GetFachkennung(i, j, key) && !SameText(key, kNoKind)) counts.Add(key);
}

// How a part type gives its repetition factor: not at all, as a factor read where it lies, or
// through the store's reader (a class with the reader that is no factor).
enum class FactorRead : std::uint8_t { kNone, kInPlace, kReader };

FactorRead FactorReadOf(int type) {
  return VisitPartClass(type, [](auto id) {
    using Class = typename decltype(id)::type;
    if constexpr (std::is_same_v<Class, CWhfPart>) return FactorRead::kInPlace;
    if constexpr (requires(const Class& p) { p.GetRepeatCount(); }) return FactorRead::kReader;
    return FactorRead::kNone;
  });
}

// Counts of the four-digit factors by their count, in a hundred pages of a hundred counts that are
// made when a count falls into them: a large delivery has millions of factors with a few hundred
// distinct counts, mostly small, and a small one should not clear ten thousand slots.
class FourDigitTally {
 public:
  static constexpr std::int32_t kLimit = 10000;  // counts from 0 to kLimit - 1

  void Add(std::int32_t count) {
    auto& page = m_pages[static_cast<std::size_t>(count / kPageSize)];
    if (!page) page = std::make_unique<Page>();
    ++(*page)[static_cast<std::size_t>(count % kPageSize)];
  }
  // Calls f(count, n) for every count tallied, in rising order.
  template <typename F>
  void ForEach(F f) const {
    for (std::size_t p = 0; p < m_pages.size(); ++p) {
      if (!m_pages[p]) continue;
      for (std::size_t k = 0; k < kPageSize; ++k) {
        if ((*m_pages[p])[k] > 0) f(static_cast<std::int32_t>(p * kPageSize + k), (*m_pages[p])[k]);
      }
    }
  }

 private:
  static constexpr std::size_t kPageSize = 100;
  using Page = std::array<Count, kPageSize>;
  std::array<std::unique_ptr<Page>, kLimit / kPageSize> m_pages;
};

// The repetition factors counted by their count, read where they lie; each count is written as
// text once.
Lines RepeatCounts() {
  std::array<FactorRead, kPartTypeCount> reads{};
  for (int type = 0; type < kPartTypeCount; ++type) reads[static_cast<std::size_t>(type)] = FactorReadOf(type);
  const FactorRead unknownRead = FactorReadOf(-1);  // a code without a class of its own
  FourDigitTally fourDigits;
  std::map<std::int32_t, Count> others;
  ValueCounts counts;
  for (int i = 0; i < g_store.GetRecordCount(); ++i) {
    if (!RecordInScope(i)) continue;
    const CPartList& parts = g_store.Record(i).m_parts;
    const std::string_view text = parts.Text();
    for (std::size_t j = 0; j < parts.size(); ++j) {
      const int type = parts.Type(j);
      const FactorRead read = type >= 0 && type < kPartTypeCount ? reads[static_cast<std::size_t>(type)] : unknownRead;
      if (read == FactorRead::kInPlace) {
        const std::int32_t count = CWhfPart::CountAt(text, parts.Offset(j));
        if (count >= 0 && count < FourDigitTally::kLimit) {
          fourDigits.Add(count);
        } else {
          ++others[count];
        }
      } else if (read == FactorRead::kReader) {
        const std::string value = g_store.GetRepeatCount(i, static_cast<int>(j));
        if (!SameText(value, kNoFourCharValue)) counts.Add(value);
      }
    }
  }
  // A reader's value and a factor's count may read alike: they share a row.
  fourDigits.ForEach([&counts](std::int32_t c, Count n) { counts.Add(CWhfPart::CountText(c), n); });
  for (const auto& [c, n] : others) counts.Add(CWhfPart::CountText(c), n);
  return SortedLines("Anzahl\tWiederholungsfaktoren", counts.Sorted());
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
    case kStatLayers:
      return DistinctLines<ReadsLayer>("Anzahl\tFolie", Skipping(kNoLayer, &CEdbsStore::GetLayer));
    case kStatObjectKinds:
      return DistinctLines<ReadsObjectType>("Anzahl\tObjektart", Skipping(kNoObjectType, &CEdbsStore::GetObjectType));
    case kStatObjectKeys: return DistinctLines<ReadsLayer>(CP("Anzahl\tObjektschlüssel"), ObjectKey);
    case kStatInfoKinds:
      return DistinctLines<ReadsInfoKind>("Anzahl\tArten der besonderen Information",
                                          Skipping(kNoKind, &CEdbsStore::GetInfoKind));
    case kStatGeometryKinds:
      return DistinctLines<ReadsGeometryKind>("Anzahl\tArten der Geometrie",
                                              Skipping(kNoKind, &CEdbsStore::GetGeometryKind));
    case kStatFachkennungen: return DistinctLines<ReadsInfoKind>("Anzahl\tFachkennungen", Fachkennung);
    case kStatExtremes: return Extremes();
    case kStatAttributes:
      return DistinctLines<ReadsAttribute>("Anzahl\tAttribute", Skipping(kNoFourCharValue, &CEdbsStore::GetAttribute));
    case kStatRepeatCounts: return RepeatCounts();
    default: return {};
  }
}
