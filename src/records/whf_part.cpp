#include "records/whf_part.h"

#include "records/filter_values.h"
#include "store/keyword_tables.h"

namespace {
constexpr std::size_t kWidth = 4;
}

CWhfPart::CWhfPart(int& error, int type) : CEdbsPart(type) {
  error = 0;
  if (!ParseHasRoom(kWidth)) {
    error = 100 + type;
    return;
  }
  m_count = static_cast<std::int32_t>(TextToInt(ParseView(0, kWidth)));
  g_parsePos += kWidth;
}

int CWhfPart::FillDetail() const {
  const std::string name(PartTypeName(m_type));
  DetailTable.Set(0, name + " Wiederholungsfaktor", "", "");
  DetailTable.Set(1, name, "Anzahl der Wiederholungen:", Format("%4d", m_count));
  return 1;
}

std::string CWhfPart::GetListText(int) const { return GetRepeatCount(); }

std::string CWhfPart::GetRepeatCount() const {
  // Four digits written directly: the statistics read millions of factors, and printf would take
  // most of their time.
  if (m_count < 0 || m_count > 9999) return Format("%04d", m_count);
  std::string digits(4, '0');
  for (int k = 3, v = m_count; v > 0; --k, v /= 10) digits[k] = static_cast<char>('0' + v % 10);
  return digits;
}

int CWhfPart::MatchFilter(int criterion) const {
  if (criterion == kCritWhFaktor) return RangeTest(GetRepeatCount()) ? 1 : 0;
  return 0;
}

bool CWhfPart::AnswersFilter(int, int criterion) { return criterion == kCritWhFaktor; }
