#pragma once
// The structural checks of a load, run over the line table, and their marks on the load screen.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace edbs {
class Canvas;
}

// One EDBS line of the file being loaded.
struct LineEntry {
  std::string text;
  std::int32_t lineNumber = 0;
  std::uint16_t checkFlags = 0;
  std::uint16_t opKeyIndex = 0;
  std::uint16_t infoNameIndex = 0;
};
using LineTable = std::vector<LineEntry>;

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

// Rows 1 to 3 (before the entries are padded to 44 characters) and rows 4 to 12 (after it).
// Each appends its findings to the error list and draws its result on the surface.
void RunLengthChecks(LineTable& table, edbs::Canvas& dc);
void RunContentChecks(LineTable& table, edbs::Canvas& dc);

// Count at (70, y) and a green tick (no finding) or a red cross.
void DrawCheckResult(edbs::Canvas& dc, int y, int count);
