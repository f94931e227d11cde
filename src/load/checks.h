#pragma once
// The structural checks of a load, run over the line table, and their marks on the load screen.

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

class CTextArena;

namespace edbs {
class Canvas;
}

// One EDBS line of the file being loaded. Its characters lie in the load's arena, followed by
// blanks up to 44 characters: the length checks see the line padded to 8 characters, the others
// padded to 44, as the reader pads it between them.
struct LineEntry {
  const char* chars = nullptr;
  std::size_t length = 0;  // the characters read
  std::int32_t lineNumber = 0;
  std::uint16_t checkFlags = 0;
  std::uint8_t opKeyIndex = 0;
  std::uint8_t infoNameIndex = 0;

  std::string_view Text8() const { return {chars, std::max<std::size_t>(length, 8)}; }
  std::string_view Text() const { return {chars, std::max<std::size_t>(length, 44)}; }
};

// The lines of one load. A line is started with its first piece and may grow by further pieces
// (of a line longer than 2000 characters, or a line that is no EDBS line) until the next starts.
class CLineTable {
 public:
  explicit CLineTable(CTextArena& arena) : m_arena(arena) {}
  CLineTable(const CLineTable&) = delete;
  CLineTable& operator=(const CLineTable&) = delete;

  void Start(std::string_view piece, std::int32_t lineNumber, std::uint16_t checkFlags);
  void Extend(std::string_view piece);
  // Ends the line begun (a no-op without one): it gets its blanks up to 44 characters.
  void Finish();

  std::size_t size() const { return m_lines.size(); }
  bool empty() const { return m_lines.empty(); }
  LineEntry& operator[](std::size_t i) { return m_lines[i]; }
  const LineEntry& operator[](std::size_t i) const { return m_lines[i]; }
  LineEntry& front() { return m_lines.front(); }
  LineEntry& back() { return m_lines.back(); }
  // The joining lets go of each line behind it.
  void PopFront() { m_lines.pop_front(); }

 private:
  CTextArena& m_arena;
  std::deque<LineEntry> m_lines;
  bool m_open = false;
};
using LineTable = CLineTable;

inline constexpr int kCheckRows = 13;

// Labels and baseline y of rows 1..13 (index 0 unused).
extern const std::array<const char*, kCheckRows + 1> kCheckLabels;
extern const std::array<int, kCheckRows + 1> kCheckRowY;

// Counter of each row 1..13 for the last load (index 0 unused).
extern std::array<std::int32_t, kCheckRows + 1> g_checkCounts;

// Check flag bits.
enum CheckBit : std::uint16_t {
  kBitNoEdbsStart = 1,
  kBitLineLength = 2,
  kBitMaxLength = 4,
  kBitMinLength = 8,
  kBitOpKey = 16,
  kBitInfoName = 32,
  kBitSearchBegin = 256,
  kBitContinuation = 512,
  kBitSameKeys = 1024,
  kBitAkndAend = 2048,
  kBitOrder = 4096,
};

// Runs the twelve checks over every line in one pass (rows 1 to 3 see the lines padded to 8
// characters, the others padded to 44), adds their findings to the error list row by row and
// draws each row's result on the surface.
void RunChecks(LineTable& table, edbs::Canvas& dc);

// Count at (70, y) and a green tick (no finding) or a red cross.
void DrawCheckResult(edbs::Canvas& dc, int y, int count);
