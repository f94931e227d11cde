#include "load/checks.h"

#include <algorithm>
#include <string_view>

#include "load/error_list.h"
#include "platform/canvas.h"
#include "records/edbs_part.h"
#include "store/keyword_tables.h"
#include "platform/cp1252_literal.h"

const std::array<const char*, kCheckRows + 1> kCheckLabels = {
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

// Fields of the 36-character header that the checks read.
std::string_view LengthField(const LineEntry& e) { return Mid(e.text, 4, 4); }
std::string_view BeginField(const LineEntry& e) { return Mid(e.text, 8, 4); }
std::string_view OpKeyField(const LineEntry& e) { return Mid(e.text, 12, 4); }
char ContinuationMarker(const LineEntry& e) { return e.text.size() > 23 ? e.text[23] : ' '; }
std::string_view InfoNameField(const LineEntry& e) { return Mid(e.text, 28, 8); }

// Every message starts with the line number in 8 characters and a 12-character check label.
std::string Message(const LineEntry& e, std::string_view labelAndText) {
  std::string m = Format("%8d", e.lineNumber);
  m += labelAndText;
  return m;
}

void Report(LineEntry& e, int row, std::uint16_t bit, const std::string& message) {
  ReportError(message, e.text);
  e.checkFlags = static_cast<std::uint16_t>(e.checkFlags | bit);
  ++g_checkCounts[row];
}

template <typename Test>
void RunRow(LineTable& table, edbs::Canvas& dc, int row, Test test) {
  g_checkCounts[row] = 0;
  for (LineEntry& e : table) test(e);
  DrawCheckResult(dc, kCheckRowY[row], g_checkCounts[row]);
}

void CheckLineLength(LineTable& t, edbs::Canvas& dc) {
  RunRow(t, dc, 1, [](LineEntry& e) {
    const long long expected = TextToInt(LengthField(e)) + 12;
    const long long actual = static_cast<long long>(e.text.size());
    if (expected != actual) {
      Report(e, 1, kBitLineLength,
             Message(e, CP("Zeilenlänge Zeilenlänge stimmt nicht! ( ") + std::string(LengthField(e)) + " <=> " +
                            std::to_string(actual - 12) + " )"));
    }
  });
}

void CheckMaxLength(LineTable& t, edbs::Canvas& dc) {
  RunRow(t, dc, 2, [](LineEntry& e) {
    if (LengthField(e) > std::string_view("1988")) {
      Report(e, 2, kBitMaxLength,
             Message(e, CP("maxima.LängeDie maximale Länge stimmt nicht ") + std::string(LengthField(e)) + " >1988!"));
    }
  });
}

void CheckMinLength(LineTable& t, edbs::Canvas& dc) {
  RunRow(t, dc, 3, [](LineEntry& e) {
    if (LengthField(e) < std::string_view("0024")) {
      Report(e, 3, kBitMinLength,
             Message(e, CP("minima.LängeDie minimale Länge stimmt nicht ") + std::string(LengthField(e)) + " <0024!"));
    }
  });
}

void CheckOpKey(LineTable& t, edbs::Canvas& dc) {
  RunRow(t, dc, 4, [](LineEntry& e) {
    e.opKeyIndex = static_cast<std::uint16_t>(LookupOpKey(OpKeyField(e)));
    if (e.opKeyIndex == kUnknownOpKey) {
      Report(e, 4, kBitOpKey,
             Message(e, CP("Op.schlüsselOperationsschlüssel unbekannt! (") + std::string(OpKeyField(e)) + ")"));
    }
  });
}

void CheckInfoName(LineTable& t, edbs::Canvas& dc) {
  RunRow(t, dc, 5, [](LineEntry& e) {
    e.infoNameIndex = static_cast<std::uint16_t>(LookupInfoName(InfoNameField(e)));
    if (e.infoNameIndex == kUnknownInfoName) {
      Report(e, 5, kBitInfoName,
             Message(e, "Informa.nameInformationsname unbekannt! (" + std::string(InfoNameField(e)) + ")"));
    }
  });
}

void CheckSearchBegin(LineTable& t, edbs::Canvas& dc) {
  RunRow(t, dc, 8, [](LineEntry& e) {
    if (LengthField(e) < BeginField(e)) {
      Report(e, 8, kBitSearchBegin,
             Message(e, "Beginn SK   Beginn des Suchkriteriums (" + std::string(BeginField(e)) +
                            CP(") größer Zeilenlänge (") + std::string(LengthField(e)) + ")!"));
    }
  });
}

void CheckContinuationOrder(LineTable& t, edbs::Canvas& dc) {
  int inChain = 0;
  RunRow(t, dc, 9, [&inChain](LineEntry& e) {
    const char c = ContinuationMarker(e);
    int error = 0;
    if (c == ' ') {
      if (inChain != 0) error = 2;
      inChain = 0;
    } else if (c == 'A' || c == 'a') {
      if (inChain != 0) error = 3;
      inChain = 1;
    } else if (c == 'F' || c == 'f') {
      if (inChain != 1) error = 4;
      inChain = 1;
    } else if (c == 'E' || c == 'e') {
      if (inChain != 1) error = 5;
      inChain = 0;
    } else {
      error = 1;
    }
    switch (error) {
      case 1:
        Report(e, 9, kBitContinuation,
               Message(e, std::string("Folgesatz   <") + c + CP("> unzulässiges Zeichen als Folgesatzkennung!")));
        break;
      case 2:
        Report(e, 9, kBitContinuation, Message(e, "Folgesatz   Letzter Folgesatz nicht mit E!"));
        break;
      case 3:
        Report(e, 9, kBitContinuation,
               Message(e, "Folgesatz   Neuer Anfang von Folgesatz (A) vor Ende des vorhergehenden (E)!"));
        break;
      case 4:
        Report(e, 9, kBitContinuation,
               Message(e, "Folgesatz   Fortsetzung des Folgesatzes (F) ohne Anfangssatz (A)!"));
        break;
      case 5:
        Report(e, 9, kBitContinuation, Message(e, "Folgesatz   Endesatz des Folgesatzes (E) ohne Anfangssatz (A)!"));
        break;
      default:
        break;
    }
  });
}

void CheckSameKeys(LineTable& t, edbs::Canvas& dc) {
  std::size_t start = 0;
  std::size_t i = 0;
  RunRow(t, dc, 10, [&](LineEntry& e) {
    const char c = ContinuationMarker(e);
    if (c == 'A' || c == 'a') {
      start = i;
    } else if (c == 'F' || c == 'f' || c == 'E' || c == 'e') {
      const LineEntry& s = t[start];
      if (s.opKeyIndex != e.opKeyIndex) {
        Report(e, 10, kBitSameKeys, Message(e, CP("Folgesatz   Operationsschlüssel ungleich dem Anfangssatz!")));
      }
      if (s.infoNameIndex != e.infoNameIndex) {
        Report(e, 10, kBitSameKeys, Message(e, "Folgesatz   Informationsname ungleich dem Anfangssatz!"));
      }
    }
    ++i;
  });
}

void CheckAkndAend(LineTable& t, edbs::Canvas& dc) {
  static constexpr const char* kNoAknd = "AKND - AEND 1.Satz ist kein AKND-Satz!";
  static constexpr const char* kNoAend = "AKND - AEND Letzter Satz ist kein AEND-Satz!";
  g_checkCounts[11] = 0;
  if (t.empty()) {
    // A file without entries lacks both; there is no line to name and no text to show.
    for (const char* text : {kNoAknd, kNoAend}) {
      ReportError(Format("%8d", 0) + text, std::string());
      ++g_checkCounts[11];
    }
  } else {
    LineEntry& first = t.front();
    if (first.opKeyIndex != kAKND) Report(first, 11, kBitAkndAend, Message(first, kNoAknd));
    LineEntry& last = t.back();
    if (last.opKeyIndex != kAEND) Report(last, 11, kBitAkndAend, Message(last, kNoAend));
  }
  DrawCheckResult(dc, kCheckRowY[11], g_checkCounts[11]);
}

void CheckRecordOrder(LineTable& t, edbs::Canvas& dc) {
  g_checkCounts[12] = 0;
  int dataSeen = 0;
  // The first and last entries are the order header and the end record; only those between count.
  for (std::size_t i = 1; i + 1 < t.size(); ++i) {
    LineEntry& e = t[i];
    const int k = e.opKeyIndex;
    if (k == kAKND) {
      Report(e, 12, kBitOrder, Message(e, CP("Reihenfolge AKND-Satz muß 1.Satz sein!")));
      dataSeen = 1;
    } else if (k == kAEND) {
      Report(e, 12, kBitOrder, Message(e, CP("Reihenfolge AEND-Satz muß letzter Satz sein!")));
      dataSeen = 1;
    } else if (k == kBINF || k == kBKRT || k == kOTEX) {
      if (dataSeen == 1) {
        Report(e, 12, kBitOrder, Message(e, "Reihenfolge Datensatz vor letztem OTEX-, BKRT- oder BINF-Satz gefunden!"));
        dataSeen = 0;
      }
    } else {
      dataSeen = 1;
    }
  }
  DrawCheckResult(dc, kCheckRowY[12], g_checkCounts[12]);
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

void RunLengthChecks(LineTable& table, edbs::Canvas& dc) {
  CheckLineLength(table, dc);
  CheckMaxLength(table, dc);
  CheckMinLength(table, dc);
}

void RunContentChecks(LineTable& table, edbs::Canvas& dc) {
  CheckOpKey(table, dc);
  CheckInfoName(table, dc);
  // The two repetition-factor rows are not performed.
  g_checkCounts[6] = 0;
  DrawCheckResult(dc, kCheckRowY[6], 0);
  g_checkCounts[7] = 0;
  DrawCheckResult(dc, kCheckRowY[7], 0);
  CheckSearchBegin(table, dc);
  CheckContinuationOrder(table, dc);
  CheckSameKeys(table, dc);
  CheckAkndAend(table, dc);
  CheckRecordOrder(table, dc);
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
