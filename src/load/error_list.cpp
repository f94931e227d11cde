#include "load/error_list.h"

#include <algorithm>
#include <cstdio>

#include "platform/cp1252_literal.h"
#include "platform/services.h"
#include "records/edbs_part.h"
#include "store/keyword_tables.h"

namespace {
// The fixed columns of every message: the line number, then the 12-character check label.
constexpr std::size_t kLineWidth = 8;
constexpr long long kKindWidth = 12;
}  // namespace

std::vector<std::string> g_errorMessages;
std::vector<std::string> g_errorRecords;

void ReportError(const std::string& message, const std::string& recordText) {
  g_errorMessages.push_back(message);
  g_errorRecords.push_back(recordText);
}

void ClearErrorList() {
  g_errorMessages.clear();
  g_errorRecords.clear();
}

std::string FormatAnalysisMessage(int lineNumber, int code) {
  const auto name = [](auto& table, int index) { return std::string(table[static_cast<std::size_t>(index)]); };
  if (code >= 100 && code <= 199 && code - 100 < kPartTypeCount) {
    return Format("%8dSatzanalyse Analyse-Fehler %d (Aggregat %s)!", lineNumber, code,
                  name(PartTypeNameTable, code - 100).c_str());
  }
  if (code >= 200 && code <= 249 && code - 200 < kDataKeyCount) {
    return Format("%8dSatzanalyse Analyse-Fehler %d (Suchkriterium %s)!", lineNumber, code,
                  name(DataKeyTable, code - 200).c_str());
  }
  switch (code) {
    case 250:
      return Format("%8dSatzanalyse Analyse-Fehler %d (unerwartetes Satzende bei Suchkriterium(AN))!", lineNumber,
                    code);
    case 251:
      return Format(CP("%8dSatzanalyse Analyse-Fehler %d (Verknüpfung ungleich AS oder AN bei Suchkriterium)!"),
                    lineNumber, code);
    case 252:
      return Format("%8dSatzanalyse Analyse-Fehler %d (unerwartetes Satzende bei Suchkriterium(EQ))!", lineNumber,
                    code);
    case 253:
      return Format("%8dSatzanalyse Analyse-Fehler %d (Operator ungleich EQ bei Suchkriterium)!", lineNumber, code);
    default:
      break;
  }
  if (code >= 300 && code <= 398 && code - 300 < kPartTypeCount) {
    return Format("%8dSatzanalyse Analyse-Fehler %d (%s!=0001)!", lineNumber, code,
                  name(PartTypeNameTable, code - 300).c_str());
  }
  // Codes without a text of their own (1..99, 254..299, names outside their table, 399 and above).
  return Format("%8dSatzanalyse Analyse-Fehler %d!", lineNumber, code);
}

std::string FormatDroppedChainMessage(int startLineNumber, int lines) {
  return Format("%8dSatzanalyse Folgesatzkette ohne Endesatz verworfen (Zeilen: %d)!", startLineNumber, lines);
}

std::size_t ErrorListLineWidth(const std::string& message) {
  // "%8d" fills eight characters up to 99,999,999; a longer number pushes the label to the right.
  std::size_t n = 0;
  while (n < message.size() && message[n] == ' ') ++n;
  while (n < message.size() && message[n] >= '0' && message[n] <= '9') ++n;
  return std::max<std::size_t>(kLineWidth, n);
}

ErrorListRow GetErrorListRow(int k) {
  const std::string& m = g_errorMessages[static_cast<std::size_t>(k)];
  const long long width = static_cast<long long>(ErrorListLineWidth(m));
  ErrorListRow row;
  row.line = Mid(m, 0, width);
  row.kind = Mid(m, width, kKindWidth);
  row.description = Mid(m, width + kKindWidth, static_cast<long long>(m.size()));
  row.record = g_errorRecords[static_cast<std::size_t>(k)];
  return row;
}

std::string ErrorListText(int k) {
  const ErrorListRow row = GetErrorListRow(k);
  std::string text;
  text.reserve(row.line.size() + row.kind.size() + row.description.size() + row.record.size() + 3);
  for (std::string_view column : {row.line, row.kind, row.description}) {
    text += column;
    text += '\t';
  }
  text += row.record;
  return text;
}

std::string ErrorListHeading() { return "Zeile\tArt\tBeschreibung\tEDBS-Satz"; }

bool WriteErrorList(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) {
    edbs::Prompt().ShowMessage(CP("Datei kann nicht geöffnet werden!"));
    return false;
  }
  bool ok = true;
  const auto writeLine = [&](const std::string& line) {
    ok = ok && std::fwrite(line.data(), 1, line.size(), f) == line.size() && std::fputs("\r\n", f) >= 0;
  };
  writeLine(ErrorListHeading());
  for (int k = 0; k < static_cast<int>(g_errorMessages.size()) && ok; ++k) writeLine(ErrorListText(k));
  ok = std::fclose(f) == 0 && ok;
  if (!ok) edbs::Prompt().ShowMessage("Fehler beim Schreiben der Datei!");
  return ok;
}
