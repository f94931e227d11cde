#include "load/checks.h"

#include <algorithm>
#include <string_view>

#include "load/error_list.h"
#include "platform/canvas.h"
#include "records/edbs_part.h"
#include "store/keyword_tables.h"
#include "store/text_arena.h"
#include "platform/cp1252_literal.h"

const std::array<std::string, kCheckRows + 1> kCheckLabels = {
    "",
    CP("Zeilenlängen"),
    CP("Maximallänge 1988"),
    CP("Mindestlänge 24"),
    CP("Operationsschlüssel"),
    "Informationsnamen",
    "Wiederholungsfaktor ULOBNN/ULO8ALK/ULTANN/ULPUNN",
    "Wiederholungsfaktor ULOB0000/ULTA0000/ULPU0000",
    "Beginn des Suchkriteriums",
    "Reihenfolge der Folgesatzkennungen",
    CP("Folgesätze besitzen den gleichen 'OP' und 'IN'"),
    "Vorhandensein von AKND- und AEND-Satz",
    CP("Reihenfolge der Sätze AKND/BKRT/BINF/OTEX/.../AEND"),
    "Analyse der Satzinhalte"};

const std::array<int, kCheckRows + 1> kCheckRowY = {0, 175, 190, 205, 220, 235, 250, 265, 280, 295, 310, 325, 340, 375};

std::array<std::int32_t, kCheckRows + 1> g_checkCounts{};

namespace {

// ---- the checks ----------------------------------------------------------------------------------

// Fields of the 36-character header that the checks read.
std::string_view LengthField(std::string_view t) { return Mid(t, 4, 4); }
std::string_view BeginField(std::string_view t) { return Mid(t, 8, 4); }
std::string_view OpKeyField(std::string_view t) { return Mid(t, 12, 4); }
std::string_view InfoNameField(std::string_view t) { return Mid(t, 28, 8); }
char ContinuationMarker(std::string_view t) { return t.size() > 23 ? t[23] : ' '; }

void Report(LineEntry& e, std::string_view text, FindingKind kind, std::uint16_t bit) {
  g_errorList.Add({text, e.lineNumber, 0, kind});
  e.checkFlags = static_cast<std::uint16_t>(e.checkFlags | bit);
  ++g_checkCounts[FindingRow(kind)];
}

// A field of four characters as a number whose order is the fields' order as texts (byte by byte,
// unsigned), so that the checks compare numbers.
std::uint32_t Ordered(std::string_view field4) {
  const auto b = [&field4](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(field4[i])); };
  return b(0) << 24 | b(1) << 16 | b(2) << 8 | b(3);
}
const std::uint32_t k1988 = Ordered("1988");
const std::uint32_t k0024 = Ordered("0024");

// The length field's value as the C library reads it; four digits, as nearly always, directly.
long long LengthValue(std::string_view field4) {
  const unsigned d0 = static_cast<unsigned char>(field4[0]) - unsigned{'0'};
  const unsigned d1 = static_cast<unsigned char>(field4[1]) - unsigned{'0'};
  const unsigned d2 = static_cast<unsigned char>(field4[2]) - unsigned{'0'};
  const unsigned d3 = static_cast<unsigned char>(field4[3]) - unsigned{'0'};
  if (d0 < 10 && d1 < 10 && d2 < 10 && d3 < 10) return d0 * 1000 + d1 * 100 + d2 * 10 + d3;
  return TextToInt(field4);
}

// Rows 1 to 3 on the line padded to 8 characters.
void CheckLengths(LineEntry& e) {
  const std::string_view t = e.Text8();
  const std::string_view length = LengthField(t);
  if (LengthValue(length) + 12 != static_cast<long long>(t.size())) Report(e, t, FindingKind::kLineLength, kBitLineLength);
  const std::uint32_t ordered = Ordered(length);
  if (ordered > k1988) Report(e, t, FindingKind::kMaxLength, kBitMaxLength);
  if (ordered < k0024) Report(e, t, FindingKind::kMinLength, kBitMinLength);
}

// Rows 4, 5 and 8 on the line padded to 44 characters.
void CheckKeys(LineEntry& e) {
  const std::string_view t = e.Text();
  e.opKeyIndex = static_cast<std::uint8_t>(LookupOpKey(OpKeyField(t)));
  if (e.opKeyIndex == kUnknownOpKey) Report(e, t, FindingKind::kOpKey, kBitOpKey);
  e.infoNameIndex = static_cast<std::uint8_t>(LookupInfoName(InfoNameField(t)));
  if (e.infoNameIndex == kUnknownInfoName) Report(e, t, FindingKind::kInfoName, kBitInfoName);
  if (Ordered(LengthField(t)) < Ordered(BeginField(t))) Report(e, t, FindingKind::kSearchBegin, kBitSearchBegin);
}

// Row 9: the order of the continuation markers, with the chain state carried from line to line.
void CheckContinuation(LineEntry& e, int& inChain) {
  const char c = ContinuationMarker(e.Text());
  FindingKind kind = FindingKind::kGiven;
  bool found = false;
  if (c == ' ') {
    if (inChain != 0) kind = FindingKind::kLastNotE, found = true;
    inChain = 0;
  } else if (c == 'A' || c == 'a') {
    if (inChain != 0) kind = FindingKind::kNewStartBeforeEnd, found = true;
    inChain = 1;
  } else if (c == 'F' || c == 'f') {
    if (inChain != 1) kind = FindingKind::kContinuationNoStart, found = true;
    inChain = 1;
  } else if (c == 'E' || c == 'e') {
    if (inChain != 1) kind = FindingKind::kEndNoStart, found = true;
    inChain = 0;
  } else {
    kind = FindingKind::kBadMarker, found = true;
  }
  if (found) Report(e, e.Text(), kind, kBitContinuation);
}

// Row 10: a continuation line repeats the key and name of the line that started its chain.
void CheckSameKeys(LineEntry& e, std::uint8_t startOpKey, std::uint8_t startInfoName) {
  const char c = ContinuationMarker(e.Text());
  if (c != 'F' && c != 'f' && c != 'E' && c != 'e') return;
  if (startOpKey != e.opKeyIndex) Report(e, e.Text(), FindingKind::kOpKeyDiffers, kBitSameKeys);
  if (startInfoName != e.infoNameIndex) Report(e, e.Text(), FindingKind::kInfoNameDiffers, kBitSameKeys);
}

// Row 12 for a line between the first and the last: the order of the record kinds.
void CheckOrder(LineEntry& e, int& dataSeen) {
  const int k = e.opKeyIndex;
  if (k == kAKND) {
    Report(e, e.Text(), FindingKind::kAkndNotFirst, kBitOrder);
    dataSeen = 1;
  } else if (k == kAEND) {
    Report(e, e.Text(), FindingKind::kAendNotLast, kBitOrder);
    dataSeen = 1;
  } else if (k == kBINF || k == kBKRT || k == kOTEX) {
    if (dataSeen == 1) {
      Report(e, e.Text(), FindingKind::kDataBeforeInfo, kBitOrder);
      dataSeen = 0;
    }
  } else {
    dataSeen = 1;
  }
}

// The count stands between the mark and the row's label. A count too wide for that room (six
// digits and more) is drawn with narrower letters instead of running into the label.
void DrawCount(edbs::Canvas& dc, int y, const std::string& count) {
  constexpr int kCountX = 70, kLabelX = 120, kGap = 5;
  constexpr int room = kLabelX - kGap - kCountX;
  const int width = dc.GetTextExtent(count).cx;
  if (width <= room) {
    dc.TextOut(kCountX, y, count);
    return;
  }
  // A font's width is its average letter width, that of an x; narrowing it narrows every letter.
  const edbs::Font previous = dc.GetFont();
  edbs::Font narrow = previous;
  narrow.width = std::max(1, dc.GetTextExtent("x").cx * room / width);
  dc.SelectFont(narrow);
  dc.TextOut(kCountX, y, count);
  dc.SelectFont(previous);
}

}  // namespace

CLineChecks::CLineChecks() {
  for (int row = 1; row <= 12; ++row) g_checkCounts[row] = 0;
}

void CLineChecks::Check(LineEntry& e, bool last) {
  const bool first = m_lines++ == 0;
  CheckLengths(e);
  CheckKeys(e);
  CheckContinuation(e, m_inChain);
  // Row 10 compares with the line of the last A (the first line before any).
  const char c = ContinuationMarker(e.Text());
  if (first || c == 'A' || c == 'a') {
    m_startOpKey = e.opKeyIndex;
    m_startInfoName = e.infoNameIndex;
  }
  CheckSameKeys(e, m_startOpKey, m_startInfoName);
  // Row 11: the first line is the order header, the last the end record (a single line is both).
  if (first && e.opKeyIndex != kAKND) Report(e, e.Text(), FindingKind::kNoAknd, kBitAkndAend);
  if (last && e.opKeyIndex != kAEND) Report(e, e.Text(), FindingKind::kNoAend, kBitAkndAend);
  // Row 12 leaves out the first and the last line.
  if (!first && !last) CheckOrder(e, m_dataSeen);
}

void CLineChecks::Finish(edbs::Canvas& dc) {
  if (m_lines == 0) {
    // A file without entries lacks both; there is no line to name and no text to show.
    for (const FindingKind kind : {FindingKind::kNoAknd, FindingKind::kNoAend}) {
      g_errorList.Add({std::string_view(), 0, 0, kind});
      ++g_checkCounts[11];
    }
  }
  for (int row = 1; row <= 12; ++row) {
    // The two repetition-factor rows are not performed.
    const int count = (row == 6 || row == 7) ? 0 : g_checkCounts[row];
    DrawCheckResult(dc, kCheckRowY[row], count);
  }
}

void DrawCheckResult(edbs::Canvas& dc, int y, int count) {
  DrawCount(dc, y, std::to_string(count));
  const edbs::Pen previous = dc.GetPen();
  if (count == 0) {
    dc.SelectPen({2, {0, 255, 0}});
    dc.MoveTo(55, y + 5);
    dc.LineTo(58, y + 10);
    dc.LineTo(65, y);
  } else {
    dc.SelectPen({2, {255, 0, 0}});
    dc.MoveTo(55, y);
    dc.LineTo(65, y + 10);
    dc.MoveTo(55, y + 10);
    dc.LineTo(65, y);
  }
  dc.SelectPen(previous);
}
