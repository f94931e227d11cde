#include "records/whf_part.h"

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

std::int32_t CWhfPart::CountOf(std::string_view digits) {
  // Four digits, as nearly every factor is, without the general conversion.
  if (digits.size() == 4) {
    std::int32_t n = 0;
    for (const char c : digits) {
      if (c < '0' || c > '9') return static_cast<std::int32_t>(TextToInt(digits));
      n = n * 10 + (c - '0');
    }
    return n;
  }
  return static_cast<std::int32_t>(TextToInt(digits));
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
