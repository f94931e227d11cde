// The record's dispatchers and the store's typed part-field readers: each asks the part as its own
// class, chosen by the part type code.

#include <algorithm>
#include <initializer_list>

#include "records/filter_values.h"
#include "records/part_classes.h"
#include "store/edbs_record.h"
#include "store/edbs_store.h"
#include "store/keyword_tables.h"

namespace {

bool IsOneOf(int type, std::initializer_list<int> types) {
  return std::find(types.begin(), types.end(), type) != types.end();
}

}  // namespace

int CEdbsRecord::FillPartDetail(int i) const {
  return VisitPart(*m_parts[i], [](const auto& p) { return p.FillDetail(); });
}

std::string CEdbsRecord::GetPartListText(int i, int& selector) const {
  const int saved = selector;
  selector = m_parts[i]->m_type;
  return VisitPart(*m_parts[i], [saved](const auto& p) { return std::string(p.GetListText(saved)); });
}

bool CEdbsRecord::AnyPartMatches(int criterion, std::initializer_list<int> types) const {
  for (const auto& part : m_parts) {
    if (!IsOneOf(part->m_type, types)) continue;
    if (VisitPart(*part, [criterion](const auto& p) { return p.MatchFilter(criterion); }) == 1) return true;
  }
  return false;
}

int CEdbsRecord::MatchFilter(int criterion) {
  bool match = false;
  const int n = FilterArgCount();
  switch (criterion) {
    case 0:
      for (int k = 0; k < n && !match; ++k) match = m_fileIndex == TextToInt(g_filterFrom[k]);
      break;
    case 1:
      for (int k = 0; k < n && !match; ++k) {
        match = TextToInt(g_filterFrom[k]) <= m_lineNumber && m_lineNumber <= TextToInt(g_filterTo[k]);
      }
      break;
    case 2: match = AnyPartMatches(2, {30}); break;
    case 3:
      for (int k = 0; k < n && !match; ++k) match = OpKeyTable[std::clamp(m_opKeyIndex, 0, kOpKeyCount - 1)] == g_filterFrom[k];
      break;
    case 4:
      for (int k = 0; k < n && !match; ++k) {
        match = InfoNameTable[std::clamp(m_infoNameIndex, 0, kInfoNameCount - 1)] == g_filterFrom[k];
      }
      break;
    case 5:
      for (const auto& part : m_parts) {
        for (int k = 0; k < n && !match; ++k) match = PartTypeName(part->m_type) == g_filterFrom[k];
        if (match) break;
      }
      break;
    case 6:
      // Only the first search criterion of a record is asked.
      for (const auto& part : m_parts) {
        if (part->m_type != kPtSuchkrit) continue;
        match = static_cast<const CSuchkriteriumPart&>(*part).MatchFilter(6) == 1;
        break;
      }
      break;
    case 7:
      for (const auto& part : m_parts) {
        if (part->m_type != kPtUlob210F && part->m_type <= kPtAnfang) continue;
        if (VisitPart(*part, [](const auto& p) { return p.MatchFilter(7); }) == 1) {
          match = true;
          break;
        }
      }
      break;
    case 8: match = AnyPartMatches(8, {0, 1, 4, 7, 29}); break;
    case 9: match = AnyPartMatches(9, {0, 1, 4, 7, 14, 29}); break;
    case 10: match = AnyPartMatches(10, {2, 8, 5, 9}); break;
    case 11:
    case 111: match = AnyPartMatches(criterion, {2, 8, 5, 9, 6, 10}); break;
    case 12: match = AnyPartMatches(12, {5, 9}); break;
    case 13:
    case 113: match = AnyPartMatches(criterion, {2, 8, 5, 9, 12, 29}); break;
    case 14: match = AnyPartMatches(14, {5, 9, 12, 14, 29}); break;
    case 15: match = AnyPartMatches(15, {5, 6, 10, 29}); break;
    case 16: match = AnyPartMatches(16, {1, 6, 10}); break;
    case 17: match = AnyPartMatches(17, {6, 10, 29}); break;
    case 18: match = AnyPartMatches(18, {6, 10}); break;
    case 19: match = AnyPartMatches(19, {13, 29}); break;
    case 20: match = AnyPartMatches(20, {14, 29}); break;
    case 21: match = AnyPartMatches(21, {14}); break;
    case 22: match = AnyPartMatches(22, {14, 29}); break;
    case 23: match = AnyPartMatches(23, {16, 17, 18, 22, 29}); break;
    case 24:
    case 124: {
      if (criterion == 124) {
        // The filter values stay converted, as the dialog's next run expects.
        for (int k = 0; k < n; ++k) MakeUpperCase(g_filterFrom[k]);
      }
      for (std::size_t j = 0; j < m_parts.size() && !match; ++j) {
        int selector = -1;  // the search criterion answers with its full text
        std::string text = GetPartListText(static_cast<int>(j), selector);
        if (criterion == 124) MakeUpperCase(text);
        for (int k = 0; k < n && !match; ++k) match = std::string_view(text).starts_with(g_filterFrom[k]);
      }
      break;
    }
    case 25: match = m_checkFlags != 0 || m_parseResult != 0; break;
    default: break;
  }
  if (!match) return 0;
  m_inFilter = 1;
  return 1;
}

// ---- typed part-field readers of the store ----

namespace {

const CEdbsPart& Part(const CEdbsStore& s, int i, int j) { return *s.Record(i).m_parts[j]; }

}  // namespace

std::string CEdbsStore::GetLayer(int i, int j) const {
  const CEdbsPart& p = Part(*this, i, j);
  switch (p.m_type) {
    case kPtUlob1100:
    case kPtUlo11Alk: return std::string(static_cast<const CUlob1100Part&>(p).GetLayer());
    case kPtUlob2000:
    case kPtUlo20Alk: return std::string(static_cast<const CUlob2000Part&>(p).GetLayer());
    default: return "zzz";
  }
}

std::string CEdbsStore::GetObjectType(int i, int j) const {
  const CEdbsPart& p = Part(*this, i, j);
  switch (p.m_type) {
    case kPtUlob1100:
    case kPtUlo11Alk: return std::string(static_cast<const CUlob1100Part&>(p).GetObjectType());
    case kPtUlob2000:
    case kPtUlo20Alk: return std::string(static_cast<const CUlob2000Part&>(p).GetObjectType());
    case kPtUlob2100:
    case kPtUlo21Alk: return std::string(static_cast<const CUlob2100Part&>(p).GetObjectType());
    default: return "zzzz";
  }
}

std::string CEdbsStore::GetGeometryKind(int i, int j) const {
  const CEdbsPart& p = Part(*this, i, j);
  switch (p.m_type) {
    case kPtUlob1000: return std::string(static_cast<const CUlob1000Part&>(p).GetGeometryKind());
    case kPtUlob2100:
    case kPtUlo21Alk: return std::string(static_cast<const CUlob2100Part&>(p).GetGeometryKind());
    default: return "XX";
  }
}

std::string CEdbsStore::GetInfoKind(int i, int j) const {
  const CEdbsPart& p = Part(*this, i, j);
  if (p.m_type != kPtUlob2100 && p.m_type != kPtUlo21Alk) return "XX";
  return std::string(static_cast<const CUlob2100Part&>(p).GetInfoKind());
}

std::string CEdbsStore::GetInfoText(int i, int j) const {
  const CEdbsPart& p = Part(*this, i, j);
  if (p.m_type != kPtUlob2100 && p.m_type != kPtUlo21Alk) return "XX";
  return std::string(static_cast<const CUlob2100Part&>(p).GetInfoText());
}

std::string CEdbsStore::GetAttribute(int i, int j) const {
  const CEdbsPart& p = Part(*this, i, j);
  if (p.m_type != kPtUlta1000) return "XXXX";
  return std::string(static_cast<const CUlta1000Part&>(p).GetAttribute());
}

std::string CEdbsStore::GetRepeatCount(int i, int j) const {
  const CEdbsPart& p = Part(*this, i, j);
  if (p.m_type != kPtUlob210F && (p.m_type < kPtFirstWhf || p.m_type > kPtLastWhf)) return "XXXX";
  return static_cast<const CWhfPart&>(p).GetRepeatCount();
}

double CEdbsStore::GetDirectionAngle(int i, int j) const {
  const CEdbsPart& p = Part(*this, i, j);
  if (p.m_type != kPtUlob2110) return 0.0;
  return static_cast<const CUlob2110Part&>(p).GetDirectionAngle();
}

int CEdbsStore::GetPoint(int i, int j, double& x, double& y) const {
  const CEdbsPart& p = Part(*this, i, j);
  switch (p.m_type) {
    case kPtUlob0000: return static_cast<const CUlob0000Part&>(p).GetPoint(x, y);
    case kPtUlob1000: return static_cast<const CUlob1000Part&>(p).GetPoint(x, y);
    case kPtUlob1200: return static_cast<const CUlob1200Part&>(p).GetPoint(x, y);
    case kPtUlob2110: return static_cast<const CUlob2110Part&>(p).GetPoint(x, y);
    default: return 2;
  }
}
