#include "records/whf_part.h"

#include <array>
#include <string>

#include "records/filter_values.h"
#include "store/keyword_tables.h"

CWhfPart::CWhfPart(int& error, int type) : CEdbsPart(type) {
  error = 0;
  if (!ParseHasRoom(Width(type))) {
    error = 100 + type;
    return;
  }
  m_count = CountOf(ParseView(0, Width(type)));
  g_parsePos += static_cast<std::int32_t>(Width(type));
}

int CWhfPart::FillDetail() const {
  // The titles of every type, made once: the long export shows millions of factors.
  static const std::array<std::string, kPartTypeCount> kTitles = [] {
    std::array<std::string, kPartTypeCount> titles;
    for (int t = 0; t < kPartTypeCount; ++t) titles[static_cast<std::size_t>(t)] = std::string(PartTypeName(t)) + " Wiederholungsfaktor";
    return titles;
  }();
  const std::string_view name = PartTypeName(m_type);
  const int type = m_type >= 0 && m_type < kPartTypeCount ? m_type : kUnknownPartType;
  DetailTable.Set(0, kTitles[static_cast<std::size_t>(type)], "", "");
  DetailTable.Set(1, name, "Anzahl der Wiederholungen:", PaddedInt(m_count, 4));
  return 1;
}

std::string CWhfPart::GetListText(int) const { return GetRepeatCount(); }

std::string CWhfPart::GetRepeatCount() const { return CountText(m_count); }

std::string CWhfPart::CountText(std::int32_t count) {
  // Not through printf: the filter tests millions of factors, and printf would take most of its
  // time.
  return PaddedInt(count, 4, '0');
}

int CWhfPart::MatchFilter(int criterion) const {
  if (criterion == kCritWhFaktor) return RangeTest(GetRepeatCount()) ? 1 : 0;
  return 0;
}

bool CWhfPart::AnswersFilter(int, int criterion) { return criterion == kCritWhFaktor; }
