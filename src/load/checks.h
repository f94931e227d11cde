#pragma once
// The structural checks of a load and their marks on the load screen. The checks see one line
// after the other, as the reader completes them, each while it is at hand: a file is read once.

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

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

inline constexpr int kCheckRows = 13;

// Labels and baseline y of rows 1..13 (index 0 unused).
extern const std::array<std::string, kCheckRows + 1> kCheckLabels;
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

// The twelve checks over the lines of one load, line by line. Each row keeps its findings in
// line order, so the error list reads as if the rows had run one after the other over the file.
class CLineChecks {
 public:
  CLineChecks();
  // Checks the next line. `last` says whether it is the last line of the file (the reader knows
  // when the next line begins or the file ends). Sets the line's check flags and indexes.
  void Check(LineEntry& line, bool last);
  // After the last line (or none): the rows without a line to name, and each row's mark drawn.
  void Finish(edbs::Canvas& dc);

 private:
  std::size_t m_lines = 0;
  int m_inChain = 0;
  int m_dataSeen = 0;
  // The operation-key and information-name indexes of the line that began the current chain.
  std::uint8_t m_startOpKey = 0, m_startInfoName = 0;
};

// Count at (70, y) and a green tick (no finding) or a red cross.
void DrawCheckResult(edbs::Canvas& dc, int y, int count);
