#pragma once
// The pending load: reads g_fileName into the store (after clearing it, or in addition), checks
// every line, joins continuation chains and draws the load screen with its progress and results.

#include <cstdint>
#include <string>
#include <string_view>

namespace edbs {
class Canvas;
}

// What the view does at its next paint.
enum PendingAction : int {
  kPendingNothing = 0,    // start screen
  kPendingGraphic = 2,    // the graphic
  kPendingOpen = 3,       // read g_fileName after clearing the store
  kPendingAdd = 4,        // read g_fileName and append
  kPendingLoadScreen = 5  // redraw the load screen with the results of the last load
};

extern int g_pendingAction;
extern std::string g_fileName;  // in the file system's form

extern std::int32_t g_loadScreenValid;
extern std::int32_t g_storeWasCleared;
extern std::int64_t g_lineCount;
extern std::int64_t g_fileSize;
extern std::int64_t g_edbsLineCount;
extern std::int64_t g_aggregateCount;

// Performs or redraws the pending load (codes 3, 4 and 5); does nothing for other codes.
void PerformPendingLoad(edbs::Canvas& dc);

// Loads the bytes of a buffer as the file `name` exactly as a pending open (append false) or add
// (append true) of a file with these bytes would, drawing on `dc`: for fuzzing and tests, which
// need no files. The file size is the buffer's size.
void LoadFromBuffer(std::string_view bytes, const std::string& name, bool append, edbs::Canvas& dc);

// The summary texts of the load screen, also printed by the batch tool.
std::string LinesReadText();     // "%d Zeilen gelesen mit %d Zeichen"
std::string RecordsParsedText(); // "%d EDBS-Sätze mit %d Aggregaten"

// Puts the load state back to program start (tests).
void ResetLoadState();
