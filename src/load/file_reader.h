#pragma once
// The pending load: reads g_fileName into the store (after clearing it, or in addition), checks
// every line, joins continuation chains and draws the load screen with its progress and results.

#include <cstddef>
#include <cstdint>
#include <cstdio>
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

// How the last load ended. Every end but the first is reported in a message box and in the error
// list, before the findings of the checks; what was read up to it is checked and kept like a
// whole file.
enum class LoadEnd : int {
  kComplete = 0,  // the whole file was read
  kReadError,     // the file system reported an error before the end of the file
  kTooLong,       // an input of unknown size (a pipe, a device) went on beyond the read limit
  kGrew,          // the file grew while it was read: it was read up to its size at the start
  kShrank,        // the file ended before the size it had at the start
  kCancelled,     // the user stopped the load (Esc)
};
extern LoadEnd g_loadEnd;

// The most bytes one load reads from an input whose size the file system does not give (a pipe
// that never ends, /dev/zero); a file is read up to the size it has when its load starts.
inline constexpr std::int64_t kUnknownSizeReadLimit = std::int64_t{1} << 30;
extern std::int64_t g_unknownSizeReadLimit;  // kUnknownSizeReadLimit; tests lower it
// The most characters kept of one line: two thousand times the longest EDBS line. The rest of a
// longer line is skipped, and the error list says so.
inline constexpr std::size_t kMaxLineLength = std::size_t{1} << 22;

// Performs or redraws the pending load (codes 3, 4 and 5); does nothing for other codes.
void PerformPendingLoad(edbs::Canvas& dc);

// Loads the bytes of a buffer as the file `name` exactly as a pending open (append false) or add
// (append true) of a file with these bytes would, drawing on `dc`: for fuzzing and tests, which
// need no files. The file size is the buffer's size.
void LoadFromBuffer(std::string_view bytes, const std::string& name, bool append, edbs::Canvas& dc);

// Loads what an open stream delivers (a pipe, standard input) as the file `name`, as a pending open
// (append false) or add (append true) would; the stream stays open. Its size is unknown.
void LoadFromStream(std::FILE* stream, const std::string& name, bool append, edbs::Canvas& dc);

// The summary texts of the load screen, also printed by the batch tool.
std::string LinesReadText();     // "%d Zeilen gelesen mit %d Zeichen"
std::string RecordsParsedText(); // "%d EDBS-Sätze mit %d Aggregaten"

// Puts the load state back to program start (tests).
void ResetLoadState();
