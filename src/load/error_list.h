#pragma once
// The findings of the last load: one message per problem (line number in 8 characters, a check
// label of 12 characters, the description) and the text of the line or record it concerns.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

extern std::vector<std::string> g_errorMessages;
extern std::vector<std::string> g_errorRecords;

void ReportError(const std::string& message, const std::string& recordText);
void ClearErrorList();

// The message for a record whose parse returned the positive code r (row 13 of the checks).
std::string FormatAnalysisMessage(int lineNumber, int code);
// The message of row 13 for a continuation chain that was dropped without its end line.
std::string FormatDroppedChainMessage(int startLineNumber, int lines);

// The four columns of the error-list dialog for entry k: characters 0-7 (line), 8-19 (kind),
// 20 to the end (description), and the record text. A line number of nine or more digits widens
// the first column, so that the kind and the description stay whole. The views look into the
// error list and stay valid until it changes; a record may be megabytes long.
struct ErrorListRow {
  std::string_view line, kind, description, record;
};
ErrorListRow GetErrorListRow(int k);
// The width of the line-number column of message k (8, or more for a longer number).
std::size_t ErrorListLineWidth(const std::string& message);

// Entry k as one line of text: the four columns separated by tabs, without a line end.
std::string ErrorListText(int k);
// The column titles in the same form.
std::string ErrorListHeading();

// Writes the column titles and every entry, one a line, in Windows-1252 with CR LF line ends.
// Returns false after the export's messages: the file cannot be opened (nothing is written), or
// "Fehler beim Schreiben der Datei!".
bool WriteErrorList(const std::string& path);
