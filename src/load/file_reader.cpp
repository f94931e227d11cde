#include "load/file_reader.h"

#include <algorithm>
#include <cerrno>
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
LoadEnd g_loadEnd = LoadEnd::kComplete;
std::int64_t g_unknownSizeReadLimit = kUnknownSizeReadLimit;

namespace {

const edbs::Color kBlack{0, 0, 0};
const edbs::Color kWhite{255, 255, 255};
const edbs::Color kBlue{0, 0, 255};
constexpr std::int64_t kUnknownFileSize = 9999999;
constexpr std::size_t kHeaderWidth = 36;
constexpr int kBarLeft = 120;
constexpr int kBarRight = 720;
constexpr int kNoFreeSlot = -1;
// The kind column of the error list's entries about the reading itself (12 characters).
constexpr const char* kReadKind = "Lesen       ";

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
  // The screen is drawn at every load: its texts are made once.
  static const std::string kClearing = CP("Vorhandene Daten löschen");
  static const std::string kHeading = CP("Fehler     Prüfung");
  dc.Rectangle(50, 50, 750, 140);
  dc.TextOut(120, 55, kClearing);
  dc.Rectangle(119, 71, 721, 83);
  dc.TextOut(120, 85, FileLineText(dc));
  dc.Rectangle(119, 101, 721, 113);
  dc.Rectangle(50, 150, 750, 360);
  dc.MoveTo(50, 170);
  dc.LineTo(750, 170);
  dc.TextOut(70, 155, kHeading);
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
  // Fills to x and shows it; true when the user wants the load stopped meanwhile.
  bool Fill(std::int64_t x) {
    m_dc.FillRect(kBarLeft, m_top, static_cast<int>(std::min<std::int64_t>(kBarRight, x)), m_bottom);
    m_dc.Flush();
    return edbs::Cancel().Cancelled();
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

// The entry of the error list about the reading itself, at line n, ahead of the checks' findings.
void ReportReading(std::int64_t n, const std::string& description) {
  g_errorList.AddGiven(Format("%8lld", static_cast<long long>(n)) + kReadKind + description,
                       edbs::NativePathToText(g_fileName), ErrorPlace::kFirst);
}

// How the reading ended, when it was not stopped by the user: the reader tells a read error and
// more bytes behind the limit; a file whose bytes run out before its size has shrunk.
LoadEnd ReadingEnd(const CLineReader& reader, bool sizeKnown) {
  if (reader.Failed()) return LoadEnd::kReadError;
  if (reader.OverLimit()) return sizeKnown ? LoadEnd::kGrew : LoadEnd::kTooLong;
  if (sizeKnown && !reader.EndedByCtrlZ() && reader.BytesRead() < g_fileSize) return LoadEnd::kShrank;
  return LoadEnd::kComplete;
}

// The message of a load that did not read the whole file, or nothing for a complete one.
std::string ReadingEndMessage(std::int64_t lineCount, std::int64_t bytesRead) {
  const long long n = static_cast<long long>(lineCount);
  switch (g_loadEnd) {
    case LoadEnd::kComplete: return {};
    case LoadEnd::kReadError:
      return Format(CP("Lesefehler nach Zeile %lld: Die Datei wurde nicht vollständig gelesen!"), n);
    case LoadEnd::kTooLong:
      return Format(CP("Die Eingabe endet nicht oder ist länger als %lld Zeichen: Sie wurde nur bis Zeile %lld "
                       "gelesen!"),
                    static_cast<long long>(g_unknownSizeReadLimit), n);
    case LoadEnd::kGrew:
      return Format(CP("Die Datei ist während des Lesens gewachsen: Nur ihre ersten %lld Zeichen wurden gelesen "
                       "(bis Zeile %lld)!"),
                    static_cast<long long>(g_fileSize), n);
    case LoadEnd::kShrank:
      return Format(CP("Die Datei ist während des Lesens kürzer geworden: Nur %lld ihrer %lld Zeichen wurden "
                       "gelesen (bis Zeile %lld)!"),
                    static_cast<long long>(bytesRead), static_cast<long long>(g_fileSize), n);
    case LoadEnd::kCancelled:
      return Format("Das Lesen wurde abgebrochen: Die Datei wurde nur bis Zeile %lld gelesen!", n);
  }
  return {};
}

int FreeFileSlot() {
  for (int k = 0; k < kLoadedFileSlots; ++k) {
    if (g_loadedFiles[k].empty()) return k;
  }
  return kNoFreeSlot;
}

// Every file gets a slot of its own with its name: a load beyond the last slot is refused before
// it starts, so no file's records are left without the name of their file.
int RegisterFile() {
  const int k = FreeFileSlot();
  if (k == kNoFreeSlot) return kLoadedFileSlots - 1;
  g_loadedFiles[k] = g_fileName;
  return k;
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

  // Step 9 with the checks and the joining of every line. Stopped by the user, it keeps what
  // was read and joined so far; an open chain is dropped as at the end of a file.
  void Read(CLineReader& reader, edbs::Canvas& dc, bool sizeKnown) {
    ProgressBar bar(dc, 102, 112);
    std::int64_t n = 0, total = 0, threshold = 0;
    const std::int64_t size = g_fileSize > 0 ? g_fileSize : 1;
    bool cancelled = false;
    std::string_view piece;
    while (!cancelled && reader.NextPiece(piece)) {
      // The further pieces of a line longer than 2000 characters stand in the same line.
      if (!reader.ContinuesLine()) ++n;
      // The piece as read, its line feed included, plus one.
      total += static_cast<std::int64_t>(piece.size()) + (reader.EndedByLineFeed() ? 1 : 0) + 1;
      if (total > threshold) {
        threshold += g_fileSize / 100;
        cancelled = bar.Fill((31 * total / size + 6) * 20);
      }
      if (IsEdbsLine(piece)) {
        if (m_pending) CompleteLine(false);
        StartLine(piece, static_cast<std::int32_t>(n), 0);
      } else if (!piece.empty()) {
        if (!m_pending) {
          StartLine(piece, static_cast<std::int32_t>(n), kBitNoEdbsStart);
        } else {
          AppendPiece(piece, n);
        }
      }
    }
    if (m_pending) CompleteLine(true);
    g_loadEnd = cancelled ? LoadEnd::kCancelled : ReadingEnd(reader, sizeKnown);
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
  // Rejoins a line that the 2000-character pieces split, up to the longest line kept.
  void AppendPiece(std::string_view piece, std::int64_t n) {
    const std::size_t have = m_arena.Current().size();
    if (have >= kMaxLineLength) return;
    const std::size_t room = kMaxLineLength - have;
    m_arena.Append(piece.substr(0, room));
    if (piece.size() >= room) {
      ReportReading(n, Format(CP("Zeile länger als %lld Zeichen: Der Rest der Zeile wurde nicht gelesen!"),
                              static_cast<long long>(kMaxLineLength)));
    }
  }

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
// The stream LoadFromStream reads instead of g_fileName; nullptr for a file.
std::FILE* s_stream = nullptr;

// Why a file could not be opened, as the message box says it; empty when it was opened.
std::string OpenForReading(CLineReader& reader) {
  if (s_buffer != nullptr) {
    reader.OpenBuffer(*s_buffer);
    return {};
  }
  if (s_stream != nullptr) {
    reader.OpenStream(s_stream);
    return {};
  }
  // A folder opens like a file on some systems but holds no lines to read.
  std::error_code ec;
  if (std::filesystem::is_directory(g_fileName, ec)) return "Datei nicht gefunden!";
  errno = 0;
  if (reader.Open(g_fileName)) return {};
  // A file that is there but may not be read is not "not found".
  if (errno == EACCES || errno == EPERM) return "Keine Berechtigung zum Lesen der Datei!";
  if (errno == ENOENT || errno == ENOTDIR || errno == ENAMETOOLONG || errno == 0) return "Datei nicht gefunden!";
  return "Datei kann nicht gelesen werden!";
}

// Step 7. True when the size is the file's own, so that reading stops there; a pipe or a device
// has none.
bool ReadFileSize() {
  if (s_buffer != nullptr) {
    g_fileSize = static_cast<std::int64_t>(s_buffer->size());
    return true;
  }
  std::error_code ec;
  const auto status = std::filesystem::status(g_fileName, ec);
  std::uintmax_t size = 0;
  if (s_stream == nullptr && !ec && std::filesystem::is_regular_file(status)) {
    size = std::filesystem::file_size(g_fileName, ec);
  }
  if (s_stream != nullptr || ec || !std::filesystem::is_regular_file(status)) {
    edbs::Prompt().ShowMessage(CP("Probleme beim Lesen der Dateilänge!"));
    g_fileSize = kUnknownFileSize;
    return false;
  }
  g_fileSize = static_cast<std::int64_t>(size);
  // Some system files give no size but have content.
  return g_fileSize > 0;
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

void LoadFromStream(std::FILE* stream, const std::string& name, bool append, edbs::Canvas& dc) {
  g_fileName = name;
  g_pendingAction = append ? kPendingAdd : kPendingOpen;
  s_stream = stream;
  PerformPendingLoad(dc);
  s_stream = nullptr;
}

void ResetLoadState() {
  g_pendingAction = kPendingNothing;
  g_fileName.clear();
  g_loadScreenValid = 0;
  g_storeWasCleared = 0;
  g_lineCount = g_fileSize = g_edbsLineCount = g_aggregateCount = 0;
  g_loadEnd = LoadEnd::kComplete;
  g_unknownSizeReadLimit = kUnknownSizeReadLimit;
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
  if (code == kPendingAdd && FreeFileSlot() == kNoFreeSlot) {
    // Refused before anything changes: the loaded files and the filter set stay.
    edbs::Prompt().ShowMessage(CP("Es sind schon 100 Dateien geladen: Weitere Dateien können nicht hinzugefügt "
                                  "werden!"));
    g_loadScreenValid = 0;
    g_pendingAction = kPendingNothing;
    dc.Restore();
    return;
  }
  if (code == kPendingOpen || code == kPendingAdd) {
    g_loadEnd = LoadEnd::kComplete;
    g_store.ClearFilterSet();
    g_detailStart = 0;
    g_listStart = 0;
    if (const std::string failure = OpenForReading(reader); !failure.empty()) {
      edbs::Prompt().ShowMessage(failure);
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
  const bool sizeKnown = ReadFileSize();
  if (s_buffer == nullptr) reader.SetByteLimit(sizeKnown ? g_fileSize : g_unknownSizeReadLimit);

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
  auto arena = sizeKnown ? std::make_shared<CTextArena>(static_cast<std::size_t>(g_fileSize)) : std::make_shared<CTextArena>();
  g_errorList.KeepTexts(arena);
  g_store.UseArena(arena);
  // Room for the records of a delivery of the usual line lengths; more can follow.
  g_store.ReserveRecords(static_cast<std::size_t>(std::max<std::int64_t>(g_fileSize, 0) / 100 + 64));
  const int fileIndex = RegisterFile();
  g_aggregateCount = 0;
  g_checkCounts[13] = 0;
  CLoadPass pass(*arena, fileIndex);
  pass.Read(reader, dc, sizeKnown);
  dc.TextOut(120, 115, LinesReadText());
  const std::string stopMessage = ReadingEndMessage(g_lineCount, reader.BytesRead());
  if (!stopMessage.empty()) ReportReading(g_lineCount, stopMessage);
  pass.FinishChecks(dc);
  g_edbsLineCount = pass.Lines();
  DrawAnalysisBar(dc, pass.Lines());

  DrawCheckResult(dc, kCheckRowY[13], g_checkCounts[13]);
  dc.TextOut(120, 405, RecordsParsedText());
  g_pendingAction = kPendingLoadScreen;
  edbs::Cursor().Show(false);
  dc.Restore();
  // Told once the load screen shows what was read.
  if (!stopMessage.empty()) edbs::Prompt().ShowMessage(stopMessage);
}
