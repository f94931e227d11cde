#include "load/file_reader.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <system_error>

#include "load/checks.h"
#include "load/error_list.h"
#include "load/line_reader.h"
#include "load/recent_files.h"
#include "platform/canvas.h"
#include "platform/services.h"
#include "platform/text.h"
#include "records/edbs_part.h"
#include "store/edbs_store.h"
#include "store/text_arena.h"
#include "views/settings.h"
#include "views/view_state.h"
#include "platform/cp1252_literal.h"

int g_pendingAction = kPendingNothing;
std::string g_fileName;
std::int32_t g_loadScreenValid = 0;
std::int32_t g_storeWasCleared = 0;
std::int64_t g_lineCount = 0;
std::int64_t g_fileSize = 0;
std::int64_t g_edbsLineCount = 0;
std::int64_t g_aggregateCount = 0;

namespace {

const edbs::Color kBlack{0, 0, 0};
const edbs::Color kWhite{255, 255, 255};
const edbs::Color kBlue{0, 0, 255};
constexpr std::int64_t kUnknownFileSize = 9999999;
constexpr std::size_t kHeaderWidth = 36;
constexpr int kBarLeft = 120;
constexpr int kBarRight = 720;

edbs::Font LoadScreenFont() {
  edbs::Font f;
  f.face = "Arial";
  f.height = 15;
  f.weight = 100;
  return f;
}

// "Datei %s lesen!" with a path that would run out of the box shortened in the middle, so that
// the start of the path and the file name stay visible.
std::string FileLineText(edbs::Canvas& dc) {
  const std::string path = edbs::NativePathToText(g_fileName);
  const auto line = [](const std::string& p) { return "Datei " + p + " lesen!"; };
  const int room = kBarRight + 1 - kBarLeft;
  if (dc.GetTextExtent(line(path)).cx <= room) return line(path);
  const auto shortened = [&path](std::size_t keep) {
    const std::size_t head = keep / 2;
    return path.substr(0, head) + "..." + path.substr(path.size() - (keep - head));
  };
  // The most characters of the path that still fit, found by halving.
  std::size_t fits = 0, tooMany = path.size();
  while (tooMany - fits > 1) {
    const std::size_t keep = fits + (tooMany - fits) / 2;
    (dc.GetTextExtent(line(shortened(keep))).cx <= room ? fits : tooMany) = keep;
  }
  return line(shortened(fits));
}

void DrawStaticScreen(edbs::Canvas& dc) {
  dc.Rectangle(50, 50, 750, 140);
  dc.TextOut(120, 55, CP("Vorhandene Daten löschen"));
  dc.Rectangle(119, 71, 721, 83);
  dc.TextOut(120, 85, FileLineText(dc));
  dc.Rectangle(119, 101, 721, 113);
  dc.Rectangle(50, 150, 750, 360);
  dc.MoveTo(50, 170);
  dc.LineTo(750, 170);
  dc.TextOut(70, 155, CP("Fehler     Prüfung"));
  for (int row = 1; row <= 12; ++row) dc.TextOut(120, kCheckRowY[row], kCheckLabels[row]);
  dc.Rectangle(50, 370, 750, 425);
  dc.TextOut(120, 375, kCheckLabels[13]);
  dc.Rectangle(119, 391, 721, 403);
}

void RedrawResults(edbs::Canvas& dc) {
  dc.SelectPen({1, kBlue});
  if (g_storeWasCleared == 1) dc.FillRect(kBarLeft, 72, kBarRight, 82);
  dc.FillRect(kBarLeft, 102, kBarRight, 112);
  dc.FillRect(kBarLeft, 392, kBarRight, 402);
  dc.TextOut(120, 115, LinesReadText());
  for (int row = 1; row <= 13; ++row) {
    const int count = (row == 6 || row == 7) ? 0 : g_checkCounts[row];
    DrawCheckResult(dc, kCheckRowY[row], count);
  }
  dc.TextOut(120, 405, RecordsParsedText());
}

// Grows a progress bar in about a hundred steps: each call past the threshold fills to the new x.
class ProgressBar {
 public:
  ProgressBar(edbs::Canvas& dc, int top, int bottom) : m_dc(dc), m_top(top), m_bottom(bottom) {}
  void Fill(std::int64_t x) {
    m_dc.FillRect(kBarLeft, m_top, static_cast<int>(std::min<std::int64_t>(kBarRight, x)), m_bottom);
    m_dc.Flush();
  }

 private:
  edbs::Canvas& m_dc;
  int m_top, m_bottom;
};

bool IsEdbsLine(std::string_view piece) {
  if (piece.size() < 4) return false;
  const char* word = "EDBS";
  for (int k = 0; k < 4; ++k) {
    const char c = piece[static_cast<std::size_t>(k)];
    if (c != word[k] && c != word[k] + 32) return false;
  }
  return true;
}

int RegisterFile() {
  for (int k = 0; k < kLoadedFileSlots - 1; ++k) {
    if (g_loadedFiles[k].empty()) {
      g_loadedFiles[k] = g_fileName;
      return k;
    }
  }
  return kLoadedFileSlots - 1;
}

// What the joining keeps of the line a record starts with.
struct RecordStart {
  std::int32_t lineNumber = 0;
  std::uint16_t checkFlags = 0;
  std::uint8_t opKeyIndex = 0;
  std::uint8_t infoNameIndex = 0;
  explicit RecordStart(const LineEntry& e)
      : lineNumber(e.lineNumber), checkFlags(e.checkFlags), opKeyIndex(e.opKeyIndex), infoNameIndex(e.infoNameIndex) {}
  RecordStart() = default;
};

// Steps 9 to 13 in one pass over the file: each line is checked and joined as soon as the next
// line begins (or the file ends), while it is at hand; its text goes into the arena once and a
// record of a single line keeps it there. Only the read bar grows while the pass runs: the
// analysis bar is drawn after it in the steps it would have taken.
class CLoadPass {
 public:
  CLoadPass(CTextArena& arena, int fileIndex) : m_arena(arena), m_fileIndex(fileIndex) {}

  // Step 9 with the checks and the joining of every line.
  void Read(CLineReader& reader, edbs::Canvas& dc) {
    ProgressBar bar(dc, 102, 112);
    std::int64_t n = 0, total = 0, threshold = 0;
    const std::int64_t size = g_fileSize > 0 ? g_fileSize : 1;
    std::string_view piece;
    while (reader.NextPiece(piece)) {
      // The further pieces of a line longer than 2000 characters stand in the same line.
      if (!reader.ContinuesLine()) ++n;
      // The piece as read, its line feed included, plus one.
      total += static_cast<std::int64_t>(piece.size()) + (reader.EndedByLineFeed() ? 1 : 0) + 1;
      if (total > threshold) {
        threshold += g_fileSize / 100;
        bar.Fill((31 * total / size + 6) * 20);
      }
      if (IsEdbsLine(piece)) {
        if (m_pending) CompleteLine(false);
        StartLine(piece, static_cast<std::int32_t>(n), 0);
      } else if (!piece.empty()) {
        if (!m_pending) {
          StartLine(piece, static_cast<std::int32_t>(n), kBitNoEdbsStart);
        } else {
          // Rejoins a line that the 2000-character pieces split.
          m_arena.Append(piece);
        }
      }
    }
    if (m_pending) CompleteLine(true);
    reader.Close();
    g_lineCount = n;
  }

  // After the reading: a chain still open is dropped; the checks' marks are drawn.
  void FinishChecks(edbs::Canvas& dc) {
    DropChain();
    m_checks.Finish(dc);
  }

  std::int64_t Lines() const { return m_lines; }

 private:
  void StartLine(std::string_view piece, std::int32_t lineNumber, std::uint16_t checkFlags) {
    m_line = LineEntry();
    m_line.lineNumber = lineNumber;
    m_line.checkFlags = checkFlags;
    m_arena.Begin();
    m_arena.Append(piece);
    m_pending = true;
  }

  // The line is complete: padded with blanks to 44 characters (steps 10 and 11), checked and joined.
  void CompleteLine(bool last) {
    m_pending = false;
    const std::size_t length = m_arena.Current().size();
    if (length < 44) m_arena.AppendFill(44 - length, ' ');
    m_line.chars = m_arena.Finish().data();
    m_line.length = length;
    ++m_lines;
    m_checks.Check(m_line, last);
    Join(m_line);
  }

  // Step 13: continuation chains A (F ...) E become one record; every other line is one record.
  void Join(const LineEntry& e) {
    const std::string_view text = e.Text();
    const char marker = text[22];
    if (marker == 'A' || marker == 'a' || ((marker == 'F' || marker == 'f') && !m_chainOpen)) {
      // A new start drops a chain still open; an F line without an open chain opens one as an A
      // line would.
      DropChain();
      m_chain.assign(text);
      m_chainStart = RecordStart(e);
      m_chainLines = 1;
      m_chainOpen = true;
    } else if (marker == 'F' || marker == 'f') {
      m_chain.append(text.substr(kHeaderWidth));
      ++m_chainLines;
    } else if ((marker == 'E' || marker == 'e') && m_chainOpen) {
      m_chain.append(text.substr(kHeaderWidth));
      m_chainOpen = false;
      Add(m_arena.Add(m_chain), m_chainStart, e.lineNumber);
    } else {
      // Any other line, and an E line without an open chain, stands alone; an open chain is dropped.
      DropChain();
      Add(text, RecordStart(e), e.lineNumber);
    }
  }

  void Add(std::string_view text, const RecordStart& start, int completingLine) {
    const int r = g_store.AddRecordInArena(text, start.lineNumber, start.opKeyIndex, start.infoNameIndex,
                                           m_fileIndex, start.checkFlags);
    if (r < 0) {
      g_aggregateCount += -static_cast<std::int64_t>(r);
    } else if (r > 0) {
      ++g_checkCounts[13];
      g_errorList.Add({text, completingLine, r, FindingKind::kAnalysis});
    }
  }

  // A chain that gets no end line is dropped; the analysis row reports it where it happens, with
  // the text joined so far.
  void DropChain() {
    if (!m_chainOpen) return;
    m_chainOpen = false;
    ++g_checkCounts[13];
    g_errorList.Add({m_arena.Add(m_chain), m_chainStart.lineNumber, m_chainLines, FindingKind::kDroppedChain});
  }

  CTextArena& m_arena;
  const int m_fileIndex;
  CLineChecks m_checks;
  LineEntry m_line;  // the line being read, open in the arena while m_pending
  bool m_pending = false;
  std::int64_t m_lines = 0;
  // The continuation chain being joined, copied into the arena when it ends.
  std::string m_chain;
  RecordStart m_chainStart;
  int m_chainLines = 0;
  bool m_chainOpen = false;
};

// The analysis bar in the steps of the joining (a hundredth of the lines each).
void DrawAnalysisBar(edbs::Canvas& dc, std::int64_t count) {
  ProgressBar bar(dc, 392, 402);
  std::int64_t threshold = 0;
  for (std::int64_t i = 0; i < count; ++i) {
    if (i > threshold) {
      threshold += count / 100;
      bar.Fill(120 + 620 * i / count);
    }
  }
}

// The bytes LoadFromBuffer reads instead of g_fileName; nullptr for a file.
const std::string_view* s_buffer = nullptr;

bool OpenForReading(CLineReader& reader) {
  if (s_buffer != nullptr) {
    reader.OpenBuffer(*s_buffer);
    return true;
  }
  // A folder opens like a file on some systems but holds no lines to read.
  std::error_code ec;
  if (std::filesystem::is_directory(g_fileName, ec)) return false;
  return reader.Open(g_fileName);
}

void ReadFileSize() {
  if (s_buffer != nullptr) {
    g_fileSize = static_cast<std::int64_t>(s_buffer->size());
    return;
  }
  std::error_code ec;
  const auto status = std::filesystem::status(g_fileName, ec);
  std::uintmax_t size = 0;
  if (!ec && std::filesystem::is_regular_file(status)) size = std::filesystem::file_size(g_fileName, ec);
  if (ec || !std::filesystem::is_regular_file(status)) {
    edbs::Prompt().ShowMessage(CP("Probleme beim Lesen der Dateilänge!"));
    g_fileSize = kUnknownFileSize;
    return;
  }
  g_fileSize = static_cast<std::int64_t>(size);
}

}  // namespace

std::string LinesReadText() {
  return Format("%lld Zeilen gelesen mit %lld Zeichen", static_cast<long long>(g_lineCount),
                static_cast<long long>(g_fileSize));
}

std::string RecordsParsedText() {
  return Format(CP("%lld EDBS-Sätze mit %lld Aggregaten"), static_cast<long long>(g_edbsLineCount),
                static_cast<long long>(g_aggregateCount));
}

void LoadFromBuffer(std::string_view bytes, const std::string& name, bool append, edbs::Canvas& dc) {
  g_fileName = name;
  g_pendingAction = append ? kPendingAdd : kPendingOpen;
  s_buffer = &bytes;
  PerformPendingLoad(dc);
  s_buffer = nullptr;
}

void ResetLoadState() {
  g_pendingAction = kPendingNothing;
  g_fileName.clear();
  g_loadScreenValid = 0;
  g_storeWasCleared = 0;
  g_lineCount = g_fileSize = g_edbsLineCount = g_aggregateCount = 0;
  g_checkCounts.fill(0);
  ClearErrorList();
}

void PerformPendingLoad(edbs::Canvas& dc) {
  const int code = g_pendingAction;
  if (code != kPendingOpen && code != kPendingAdd && code != kPendingLoadScreen) return;

  dc.Save();
  dc.SelectPen({1, kBlack});
  dc.SelectBrush(kWhite);
  dc.SelectFont(LoadScreenFont());
  dc.SetTextColor(kBlack);
  dc.SetBkMode(edbs::BkMode::Transparent);

  g_viewScale = 1.0;
  g_viewPanX = g_viewPanY = 0;
  CLineReader reader;
  if (code == kPendingOpen || code == kPendingAdd) {
    g_store.ClearFilterSet();
    g_detailStart = 0;
    g_listStart = 0;
    if (!OpenForReading(reader)) {
      edbs::Prompt().ShowMessage("Datei nicht gefunden!");
      g_loadScreenValid = 0;
      // Not attempted again at the next repaint: the view falls back to its start screen.
      g_pendingAction = kPendingNothing;
      dc.Restore();
      return;
    }
  } else if (g_loadScreenValid != 1) {
    dc.Restore();
    return;
  }

  g_loadScreenValid = 1;
  DrawStaticScreen(dc);
  dc.SelectBrush(kBlue);
  if (code == kPendingLoadScreen) {
    RedrawResults(dc);
    dc.Restore();
    return;
  }

  g_viewPanX = g_viewPanY = 0;
  g_viewZoom = 1.0;
  RememberRecentFile(g_fileName);
  ReadFileSize();

  dc.SelectPen({1, kBlue});
  edbs::Cursor().Show(true);
  if (code == kPendingOpen) {
    g_store.ClearAll(&dc);
    g_storeWasCleared = 1;
  } else {
    g_storeWasCleared = 0;
  }
  ClearErrorList();

  // The lines, the joined chains and the records' part tables of this load lie in one arena,
  // which the store and the error list share.
  auto arena = std::make_shared<CTextArena>();
  g_errorList.KeepTexts(arena);
  g_store.UseArena(arena);
  // Room for the records of a delivery of the usual line lengths; more can follow.
  g_store.ReserveRecords(static_cast<std::size_t>(std::max<std::int64_t>(g_fileSize, 0) / 100 + 64));
  const int fileIndex = RegisterFile();
  g_aggregateCount = 0;
  g_checkCounts[13] = 0;
  CLoadPass pass(*arena, fileIndex);
  pass.Read(reader, dc);
  dc.TextOut(120, 115, LinesReadText());
  pass.FinishChecks(dc);
  g_edbsLineCount = pass.Lines();
  DrawAnalysisBar(dc, pass.Lines());

  DrawCheckResult(dc, kCheckRowY[13], g_checkCounts[13]);
  dc.TextOut(120, 405, RecordsParsedText());
  g_pendingAction = kPendingLoadScreen;
  edbs::Cursor().Show(false);
  dc.Restore();
}
