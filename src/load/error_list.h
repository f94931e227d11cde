#pragma once
// The findings of the last load: one message per problem (line number in 8 characters, a check
// label of 12 characters, the description) and the text of the line or record it concerns.

#include <string>
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
// 20 to the end (description), and the record text.
struct ErrorListRow {
  std::string line, kind, description, record;
};
ErrorListRow GetErrorListRow(int k);
