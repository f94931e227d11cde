// The record's dispatchers and the store's typed part-field readers: each asks the part as its own
// class, chosen by the part type code. Which parts a criterion or a reader asks follows from the
// classes: a criterion asks the parts whose class answers it, a reader the parts whose class has it.

#include <algorithm>
#include <array>
#include <bitset>
#include <optional>
#include <span>

#include "records/filter_table.h"
#include "records/filter_values.h"
#include "records/kind_texts.h"
#include "records/part_classes.h"
#include "store/edbs_record.h"
#include "store/edbs_store.h"
#include "store/keyword_tables.h"

namespace {

using PartTypeSet = std::bitset<kPartTypeCount>;

// For every criterion row, the part types whose class answers it; asked of the classes once.
const std::array<PartTypeSet, kFilterCriterionCount>& AnsweringTypes() {
  static const std::array<PartTypeSet, kFilterCriterionCount> sets = [] {
    std::array<PartTypeSet, kFilterCriterionCount> s{};
    for (int r = 0; r < kFilterCriterionCount; ++r) {
      if (kFilterTable[r].scope == FilterScope::kRecord || kFilterTable[r].scope == FilterScope::kListText) continue;
      for (int type = 0; type < kPartTypeCount; ++type) s[r].set(type, PartTypeAnswersFilter(type, kFilterTable[r].code));
    }
    return s;
  }();
  return sets;
}

const PartTypeSet& TypesOf(const FilterCriterionInfo& info) {
  return AnsweringTypes()[static_cast<std::size_t>(&info - kFilterTable.data())];
}

// The same sets as a table over every byte a stored type code can take: the criteria test it for
// each of millions of parts.
using TypeCodeTable = std::array<bool, 256>;

const TypeCodeTable& AnsweringCodes(const FilterCriterionInfo& info) {
  static const std::array<TypeCodeTable, kFilterCriterionCount> tables = [] {
    std::array<TypeCodeTable, kFilterCriterionCount> t{};
    for (int r = 0; r < kFilterCriterionCount; ++r) {
      for (int type = 0; type < kPartTypeCount; ++type) t[r][type] = AnsweringTypes()[r].test(type);
    }
    return t;
  }();
  return tables[static_cast<std::size_t>(&info - kFilterTable.data())];
}

bool Answers(const PartTypeSet& types, int type) {
  if (type >= 0 && type < kPartTypeCount) return types.test(static_cast<std::size_t>(type));
  return false;
}

int AskPart(const CPartRef& part, int criterion) {
  return VisitPart(part, [criterion](const auto& p) { return p.MatchFilter(criterion); });
}

}  // namespace

std::string_view OwnerGeometryKind(const CPartRef& part) {
  const CPartList& parts = part.List();
  for (std::uint32_t j = part.Index(); j-- > 0;) {
    const int type = parts.Type(j);
    if (type == kPtUlob2100 || type == kPtUlo21Alk) return CUlob2100Part::GeometryKindAt(parts.Text(), parts.Offset(j), type);
  }
  return {};
}

namespace {

// How each part type's list text lies in the record, asked of the classes once: the width of the
// characters it shows as read (0: its class makes the text), and whether it is a repetition factor.
struct ListTextForm {
  std::size_t width = 0;
  bool factor = false;
};

const std::array<ListTextForm, kPartTypeCount> kListTextForms = [] {
  std::array<ListTextForm, kPartTypeCount> f{};
  for (int type = 0; type < kPartTypeCount; ++type) {
    f[static_cast<std::size_t>(type)] = VisitPartClass(type, [type](auto id) {
      using Class = typename decltype(id)::type;
      if constexpr (FixedWidthPart<Class>) return ListTextForm{Class::Width(type), std::is_same_v<Class, CWhfPart>};
      return ListTextForm{};
    });
  }
  return f;
}();

// A code without a class of its own is read as a repetition factor, as VisitPartClass does.
const ListTextForm& FormOf(int type) {
  const int known = type >= 0 && type < kPartTypeCount ? type : static_cast<int>(kPtFirstWhf);
  return kListTextForms[static_cast<std::size_t>(known)];
}

// The list text of part j as it lies in the record `text`, where its form says it does.
std::optional<std::string_view> InPlace(std::string_view text, int type, std::size_t at) {
  const ListTextForm& form = FormOf(type);
  if (form.width == 0) return std::nullopt;
  // A part without room read nothing, so its list text is empty; a factor still shows its count.
  if (at > text.size() || text.size() - at < form.width) {
    if (form.factor) return std::nullopt;
    return std::string_view();
  }
  const std::string_view read(text.data() + at, form.width);
  if (form.factor) {
    // A factor shows its count with four digits: the same characters when it has four digits.
    for (const char c : read) {
      if (c < '0' || c > '9') return std::nullopt;
    }
  }
  return read;
}

// The characters a list text must begin with to begin with one of the text criterion's values
// (with the case ignored or not). Kept over the records of a run, whose values stay the same.
class FirstCharacters {
 public:
  void Follow(int n, bool ignoreCase) {
    std::array<int, kMaxFilterArgs> firsts{};
    bool same = n == m_count && ignoreCase == m_ignoreCase;
    for (int k = 0; k < n; ++k) {
      firsts[k] = g_filterFrom[k].empty() ? -1 : static_cast<unsigned char>(g_filterFrom[k][0]);
      same = same && firsts[k] == m_firsts[k];
    }
    if (same) return;
    m_count = n;
    m_ignoreCase = ignoreCase;
    m_firsts = firsts;
    m_every = false;
    m_may.fill(false);
    for (int k = 0; k < n; ++k) {
      if (firsts[k] < 0) m_every = true;  // an empty value: every text begins with it
      for (int c = 0; c < 256; ++c) {
        if ((ignoreCase ? kUpperCaseOf[static_cast<std::size_t>(c)] : c) == firsts[k]) m_may[static_cast<std::size_t>(c)] = true;
      }
    }
    // A repetition factor shows its count with four digits, negative ones with a sign.
    m_mayBeCount = MayBeginWith('-');
    for (char c = '0'; c <= '9'; ++c) m_mayBeCount = m_mayBeCount || MayBeginWith(c);
  }
  bool MayBeginWith(char c) const { return m_every || m_may[static_cast<unsigned char>(c)]; }
  bool MayBeCount() const { return m_mayBeCount; }

 private:
  int m_count = -1;
  bool m_ignoreCase = false;
  bool m_every = false;
  bool m_mayBeCount = true;
  std::array<int, kMaxFilterArgs> m_firsts{};
  std::array<bool, 256> m_may{};
};

// The list text of every part for the text criterion, without building the parts whose text the
// record holds as it is, and passing over those whose text cannot begin with a value: fn(text) is
// called until it returns true.
template <typename Fn>
bool AnyListText(const CPartList& parts, const FirstCharacters& first, Fn fn) {
  const std::string_view text = parts.Text();
  const std::span<const std::uint8_t> codes = parts.TypeCodes();
  for (std::size_t j = 0; j < codes.size(); ++j) {
    const int type = codes[j];
    const ListTextForm& form = FormOf(type);
    if (form.factor && !first.MayBeCount()) continue;
    const std::size_t at = parts.Offset(j);
    // A text shown as read is there in full and not empty: its first character decides.
    if (form.width > 0 && !form.factor && at < text.size() && text.size() - at >= form.width &&
        !first.MayBeginWith(text[at])) {
      continue;
    }
    if (const auto read = InPlace(text, type, at)) {
      if (fn(*read)) return true;
      continue;
    }
    int selector = -1;  // the search criterion answers with its full text
    const std::string built = VisitPart(parts[j], [selector](const auto& p) { return std::string(p.GetListText(selector)); });
    if (fn(std::string_view(built))) return true;
  }
  return false;
}

}  // namespace

std::optional<std::string_view> ListTextInPlace(const CPartRef& part) {
  return InPlace(part.List().Text(), part.m_type, part.Offset());
}

const std::bitset<kPartTypeCount>& FilterPartTypes(int criterion) {
  static const PartTypeSet none;
  const FilterCriterionInfo* info = FindFilterCriterion(criterion);
  return info == nullptr ? none : TypesOf(*info);
}

int CEdbsRecord::FillPartDetail(int i) const {
  return VisitPart(m_parts[static_cast<std::size_t>(i)], [](const auto& p) { return p.FillDetail(); });
}

std::string CEdbsRecord::GetPartListText(int i, int& selector) const {
  const int saved = selector;
  const CPartRef part = m_parts[static_cast<std::size_t>(i)];
  selector = part.m_type;
  return VisitPart(part, [saved](const auto& p) { return std::string(p.GetListText(saved)); });
}

bool CEdbsRecord::AnyPartMatches(const FilterCriterionInfo& info) const {
  const TypeCodeTable& answers = AnsweringCodes(info);
  const std::span<const std::uint8_t> codes = m_parts.TypeCodes();
  for (std::size_t j = 0; j < codes.size(); ++j) {
    if (answers[codes[j]] && AskPart(m_parts[j], info.code) == 1) return true;
  }
  return false;
}

bool CEdbsRecord::FirstAnsweringPartMatches(const FilterCriterionInfo& info) const {
  const PartTypeSet& types = TypesOf(info);
  for (const CPartRef part : m_parts) {
    if (Answers(types, part.m_type)) return AskPart(part, info.code) == 1;
  }
  return false;
}

bool CEdbsRecord::ListTextMatches(bool ignoreCase) const {
  const int n = FilterArgCount();
  if (ignoreCase) {
    // The filter values stay converted, as the dialog's next run expects.
    for (int k = 0; k < n; ++k) MakeUpperCase(g_filterFrom[k]);
  }
  if (n == 0) return false;
  thread_local FirstCharacters first;
  first.Follow(n, ignoreCase);
  return AnyListText(m_parts, first, [n, ignoreCase](std::string_view text) {
    for (int k = 0; k < n; ++k) {
      if (ignoreCase ? StartsWithInUpperCase(text, g_filterFrom[k]) : text.starts_with(g_filterFrom[k])) return true;
    }
    return false;
  });
}

bool CEdbsRecord::RecordFieldMatches(int criterion) const {
  const int n = FilterArgCount();
  const std::string_view opKey = OpKeyTable[std::clamp<int>(m_opKeyIndex, 0, kOpKeyCount - 1)];
  const std::string_view infoName = InfoNameTable[std::clamp<int>(m_infoNameIndex, 0, kInfoNameCount - 1)];
  for (int k = 0; k < n; ++k) {
    switch (criterion) {
      case kCritDatei:
        if (m_fileIndex == TextToInt(g_filterFrom[k])) return true;
        break;
      case kCritZeile:
        if (TextToInt(g_filterFrom[k]) <= m_lineNumber && m_lineNumber <= TextToInt(g_filterTo[k])) return true;
        break;
      case kCritOpSchluessel:
        if (opKey == g_filterFrom[k]) return true;
        break;
      case kCritInfoName:
        if (infoName == g_filterFrom[k]) return true;
        break;
      case kCritAggregat:
        for (const CPartRef part : m_parts) {
          if (PartTypeName(part.m_type) == g_filterFrom[k]) return true;
        }
        break;
      default:
        break;
    }
  }
  // Faulty records need no argument.
  return criterion == kCritFehler && (m_checkFlags != 0 || m_parseResult != 0);
}

int CEdbsRecord::MatchFilter(int criterion) {
  const FilterCriterionInfo* info = FindFilterCriterion(criterion);
  if (info == nullptr) return 0;
  bool match = false;
  switch (info->scope) {
    case FilterScope::kRecord: match = RecordFieldMatches(criterion); break;
    case FilterScope::kAnyPart: match = AnyPartMatches(*info); break;
    case FilterScope::kFirstPart: match = FirstAnsweringPartMatches(*info); break;
    case FilterScope::kListText: match = ListTextMatches(criterion == kCritTextOhneGrossKlein); break;
  }
  if (!match) return 0;
  m_inFilter = 1;
  return 1;
}

// ---- typed part-field readers of the store ----
// A reader asks every part whose class has the field's reader; other parts give the placeholder.

namespace {

CPartRef Part(const CEdbsStore& s, int i, int j) { return s.Record(i).m_parts[static_cast<std::size_t>(j)]; }

}  // namespace

// The text field `Get` of part (i, j), or `placeholder` when its class has no such field; only a
// part that has the field is read.
#define SATZLUPE_TEXT_READER(Get, placeholder)                                   \
  std::string CEdbsStore::Get(int i, int j) const {                              \
    const CPartRef part = Part(*this, i, j);                                     \
    return VisitPartClass(part.m_type, [&part](auto id) -> std::string {        \
      using Class = typename decltype(id)::type;                                 \
      if constexpr (requires(const Class& p) { p.Get(); })                       \
        return std::string(ReadPart<Class>(part).Get());                         \
      else                                                                       \
        return placeholder;                                                      \
    });                                                                          \
  }

SATZLUPE_TEXT_READER(GetLayer, "zzz")
SATZLUPE_TEXT_READER(GetObjectType, "zzzz")
SATZLUPE_TEXT_READER(GetGeometryKind, "XX")
SATZLUPE_TEXT_READER(GetInfoKind, "XX")
SATZLUPE_TEXT_READER(GetInfoText, "XX")
SATZLUPE_TEXT_READER(GetAttribute, "XXXX")
SATZLUPE_TEXT_READER(GetRepeatCount, "XXXX")

#undef SATZLUPE_TEXT_READER

bool CEdbsStore::GetFachkennung(int i, int j, std::string& key) const {
  constexpr std::size_t kWidth = 2;
  const CPartRef part = Part(*this, i, j);
  return VisitPartClass(part.m_type, [&part, &key](auto id) {
    using Class = typename decltype(id)::type;
    if constexpr (requires(const Class& p) { p.GetInfoKind(); p.GetInfoText(); }) {
      const Class p = ReadPart<Class>(part);
      if (!IsFachkennungKind(p.GetInfoKind())) return false;
      key.assign(p.GetInfoText().substr(0, kWidth));
      return true;
    } else {
      return false;
    }
  });
}

double CEdbsStore::GetDirectionAngle(int i, int j) const {
  const CPartRef part = Part(*this, i, j);
  return VisitPartClass(part.m_type, [&part](auto id) -> double {
    using Class = typename decltype(id)::type;
    if constexpr (requires(const Class& p) { p.GetDirectionAngle(); })
      return ReadPart<Class>(part).GetDirectionAngle();
    else
      return 0.0;
  });
}

int CEdbsStore::GetPoint(int i, int j, double& x, double& y) const {
  const CPartRef part = Part(*this, i, j);
  return VisitPartClass(part.m_type, [&part, &x, &y](auto id) -> int {
    using Class = typename decltype(id)::type;
    if constexpr (std::is_base_of_v<CLinePointPart, Class>) {
      const std::string_view text = part.List().Text();
      const std::size_t at = std::min<std::size_t>(part.Offset(), text.size());
      return CLinePointPart::PointInPlace(text.substr(at), Class::Width(part.m_type),
                                          std::is_same_v<Class, CUlob1200Part>, x, y);
    } else if constexpr (requires(const Class& p) { p.GetPoint(x, y); })
      return ReadPart<Class>(part).GetPoint(x, y);
    else
      return 2;
  });
}
