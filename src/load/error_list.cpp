#include "load/error_list.h"

#include "records/edbs_part.h"
#include "store/keyword_tables.h"
#include "platform/cp1252_literal.h"

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

ErrorListRow GetErrorListRow(int k) {
  const std::string& m = g_errorMessages[static_cast<std::size_t>(k)];
  ErrorListRow row;
  row.line = std::string(Mid(m, 0, 8));
  row.kind = std::string(Mid(m, 8, 12));
  row.description = std::string(Mid(m, 20, static_cast<long long>(m.size())));
  row.record = g_errorRecords[static_cast<std::size_t>(k)];
  return row;
}
