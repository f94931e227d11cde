// The record's dispatchers and the store's typed part-field readers: each asks the part as its own
// class, chosen by the part type code. Which parts a criterion or a reader asks follows from the
// classes: a criterion asks the parts whose class answers it, a reader the parts whose class has it.

#include <algorithm>
#include <array>
#include <bitset>

#include "records/filter_table.h"
#include "records/filter_values.h"
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

bool Answers(const PartTypeSet& types, int type) {
  if (type >= 0 && type < kPartTypeCount) return types.test(static_cast<std::size_t>(type));
  return false;
}

int AskPart(const CEdbsPart& part, int criterion) {
  return VisitPart(part, [criterion](const auto& p) { return p.MatchFilter(criterion); });
}

}  // namespace

const std::bitset<kPartTypeCount>& FilterPartTypes(int criterion) {
  static const PartTypeSet none;
  const FilterCriterionInfo* info = FindFilterCriterion(criterion);
  return info == nullptr ? none : TypesOf(*info);
}

int CEdbsRecord::FillPartDetail(int i) const {
  return VisitPart(*m_parts[i], [](const auto& p) { return p.FillDetail(); });
}

std::string CEdbsRecord::GetPartListText(int i, int& selector) const {
  const int saved = selector;
  selector = m_parts[i]->m_type;
  return VisitPart(*m_parts[i], [saved](const auto& p) { return std::string(p.GetListText(saved)); });
}

bool CEdbsRecord::AnyPartMatches(const FilterCriterionInfo& info) const {
  const PartTypeSet& types = TypesOf(info);
  for (const auto& part : m_parts) {
    if (Answers(types, part->m_type) && AskPart(*part, info.code) == 1) return true;
  }
  return false;
}

bool CEdbsRecord::FirstAnsweringPartMatches(const FilterCriterionInfo& info) const {
  const PartTypeSet& types = TypesOf(info);
  for (const auto& part : m_parts) {
    if (Answers(types, part->m_type)) return AskPart(*part, info.code) == 1;
  }
  return false;
}

bool CEdbsRecord::ListTextMatches(bool ignoreCase) const {
  const int n = FilterArgCount();
  if (ignoreCase) {
    // The filter values stay converted, as the dialog's next run expects.
    for (int k = 0; k < n; ++k) MakeUpperCase(g_filterFrom[k]);
  }
  for (std::size_t j = 0; j < m_parts.size(); ++j) {
    int selector = -1;  // the search criterion answers with its full text
    std::string text = GetPartListText(static_cast<int>(j), selector);
    if (ignoreCase) MakeUpperCase(text);
    for (int k = 0; k < n; ++k) {
      if (std::string_view(text).starts_with(g_filterFrom[k])) return true;
    }
  }
  return false;
}

bool CEdbsRecord::RecordFieldMatches(int criterion) const {
  const int n = FilterArgCount();
  const std::string_view opKey = OpKeyTable[std::clamp(m_opKeyIndex, 0, kOpKeyCount - 1)];
  const std::string_view infoName = InfoNameTable[std::clamp(m_infoNameIndex, 0, kInfoNameCount - 1)];
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
        for (const auto& part : m_parts) {
          if (PartTypeName(part->m_type) == g_filterFrom[k]) return true;
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

const CEdbsPart& Part(const CEdbsStore& s, int i, int j) { return *s.Record(i).m_parts[j]; }

// The text field `Get` of part (i, j), or `placeholder` when its class has no such field.
#define SATZLUPE_TEXT_READER(Get, placeholder)                                      \
  std::string CEdbsStore::Get(int i, int j) const {                                 \
    return VisitPart(Part(*this, i, j), [](const auto& p) -> std::string {          \
      if constexpr (requires { p.Get(); }) return std::string(p.Get());             \
      else return placeholder;                                                      \
    });                                                                             \
  }

}  // namespace

SATZLUPE_TEXT_READER(GetLayer, "zzz")
SATZLUPE_TEXT_READER(GetObjectType, "zzzz")
SATZLUPE_TEXT_READER(GetGeometryKind, "XX")
SATZLUPE_TEXT_READER(GetInfoKind, "XX")
SATZLUPE_TEXT_READER(GetInfoText, "XX")
SATZLUPE_TEXT_READER(GetAttribute, "XXXX")
SATZLUPE_TEXT_READER(GetRepeatCount, "XXXX")

#undef SATZLUPE_TEXT_READER

double CEdbsStore::GetDirectionAngle(int i, int j) const {
  return VisitPart(Part(*this, i, j), [](const auto& p) -> double {
    if constexpr (requires { p.GetDirectionAngle(); }) return p.GetDirectionAngle();
    else return 0.0;
  });
}

int CEdbsStore::GetPoint(int i, int j, double& x, double& y) const {
  return VisitPart(Part(*this, i, j), [&x, &y](const auto& p) -> int {
    if constexpr (requires { p.GetPoint(x, y); }) return p.GetPoint(x, y);
    else return 2;
  });
}
