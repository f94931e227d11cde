#include "load/error_list.h"

#include <algorithm>
#include <cstdio>

#include "platform/cp1252_literal.h"
#include "platform/services.h"
#include "records/edbs_part.h"
#include "store/keyword_tables.h"
#include "store/text_arena.h"

namespace {
// The fixed columns of every message: the line number, then the 12-character check label.
constexpr std::size_t kLineWidth = 8;
constexpr long long kKindWidth = 12;
}  // namespace

CErrorList g_errorList;
const CErrorColumn g_errorMessages(true);
const CErrorColumn g_errorRecords(false);

int FindingRow(FindingKind kind) {
  switch (kind) {
    case FindingKind::kLineLength: return 1;
    case FindingKind::kMaxLength: return 2;
    case FindingKind::kMinLength: return 3;
    case FindingKind::kOpKey: return 4;
    case FindingKind::kInfoName: return 5;
    case FindingKind::kSearchBegin: return 8;
    case FindingKind::kBadMarker:
    case FindingKind::kLastNotE:
    case FindingKind::kNewStartBeforeEnd:
    case FindingKind::kContinuationNoStart:
    case FindingKind::kEndNoStart: return 9;
    case FindingKind::kOpKeyDiffers:
    case FindingKind::kInfoNameDiffers: return 10;
    case FindingKind::kNoAknd:
    case FindingKind::kNoAend: return 11;
    case FindingKind::kAkndNotFirst:
    case FindingKind::kAendNotLast:
    case FindingKind::kDataBeforeInfo: return 12;
    case FindingKind::kAnalysis:
    case FindingKind::kDroppedChain:
    case FindingKind::kGiven: return 13;
  }
  return 13;
}

std::size_t CErrorList::size() const {
  std::size_t n = 0;
  for (const auto& row : m_rows) n += row.size();
  return n;
}

void CErrorList::Add(const Finding& finding) { m_rows[static_cast<std::size_t>(FindingRow(finding.kind))].push_back(finding); }

void CErrorList::AddGiven(const std::string& message, std::string_view recordText, ErrorPlace place) {
  m_givenMessages.push_back(message);
  const std::string& text = m_givenTexts.emplace_back(recordText);
  m_rows[place == ErrorPlace::kFirst ? 0 : kRows].push_back(Finding(text, 0, static_cast<std::int32_t>(m_givenMessages.size() - 1), FindingKind::kGiven));
}

void CErrorList::KeepTexts(std::shared_ptr<const CTextArena> arena) { m_arenas.push_back(std::move(arena)); }

void CErrorList::Clear() {
  for (auto& row : m_rows) {
    row.clear();
    row.shrink_to_fit();
  }
  m_givenMessages.clear();
  m_givenTexts.clear();
  m_arenas.clear();
}

const Finding& CErrorList::At(std::size_t k) const {
  for (const auto& row : m_rows) {
    if (k < row.size()) return row[k];
    k -= row.size();
  }
  return m_rows[kRows].at(k);  // out of range: throws
}

namespace {

// Fields of the 36-character header that the messages name.
std::string_view LengthField(std::string_view text) { return Mid(text, 4, 4); }
std::string_view BeginField(std::string_view text) { return Mid(text, 8, 4); }
std::string_view OpKeyField(std::string_view text) { return Mid(text, 12, 4); }
std::string_view InfoNameField(std::string_view text) { return Mid(text, 28, 8); }

// Every message starts with the line number in 8 characters and a 12-character check label.
std::string Message(const Finding& f, std::string_view labelAndText) {
  std::string m = PaddedInt(f.lineNumber, 8);
  m += labelAndText;
  return m;
}

std::string FindingMessage(const Finding& f, const std::deque<std::string>& given) {
  const std::string_view t = f.Text();
  switch (f.kind) {
    case FindingKind::kLineLength:
      return Message(f, CP("Zeilenlänge Zeilenlänge stimmt nicht! ( ") + std::string(LengthField(t)) + " <=> " +
                            std::to_string(static_cast<long long>(t.size()) - 12) + " )");
    case FindingKind::kMaxLength:
      return Message(f, CP("maxima.LängeDie maximale Länge stimmt nicht ") + std::string(LengthField(t)) + " >1988!");
    case FindingKind::kMinLength:
      return Message(f, CP("minima.LängeDie minimale Länge stimmt nicht ") + std::string(LengthField(t)) + " <0024!");
    case FindingKind::kOpKey:
      return Message(f, CP("Op.schlüsselOperationsschlüssel unbekannt! (") + std::string(OpKeyField(t)) + ")");
    case FindingKind::kInfoName:
      return Message(f, "Informa.nameInformationsname unbekannt! (" + std::string(InfoNameField(t)) + ")");
    case FindingKind::kSearchBegin:
      return Message(f, "Beginn SK   Beginn des Suchkriteriums (" + std::string(BeginField(t)) +
                            CP(") größer Zeilenlänge (") + std::string(LengthField(t)) + ")!");
    case FindingKind::kBadMarker: {
      const char marker = t.size() > 23 ? t[23] : ' ';
      return Message(f, std::string("Folgesatz   <") + marker + CP("> unzulässiges Zeichen als Folgesatzkennung!"));
    }
    case FindingKind::kLastNotE: return Message(f, "Folgesatz   Letzter Folgesatz nicht mit E!");
    case FindingKind::kNewStartBeforeEnd:
      return Message(f, "Folgesatz   Neuer Anfang von Folgesatz (A) vor Ende des vorhergehenden (E)!");
    case FindingKind::kContinuationNoStart:
      return Message(f, "Folgesatz   Fortsetzung des Folgesatzes (F) ohne Anfangssatz (A)!");
    case FindingKind::kEndNoStart: return Message(f, "Folgesatz   Endesatz des Folgesatzes (E) ohne Anfangssatz (A)!");
    case FindingKind::kOpKeyDiffers: return Message(f, CP("Folgesatz   Operationsschlüssel ungleich dem Anfangssatz!"));
    case FindingKind::kInfoNameDiffers: return Message(f, "Folgesatz   Informationsname ungleich dem Anfangssatz!");
    case FindingKind::kNoAknd: return Message(f, "AKND - AEND 1.Satz ist kein AKND-Satz!");
    case FindingKind::kNoAend: return Message(f, "AKND - AEND Letzter Satz ist kein AEND-Satz!");
    case FindingKind::kAkndNotFirst: return Message(f, CP("Reihenfolge AKND-Satz muß 1.Satz sein!"));
    case FindingKind::kAendNotLast: return Message(f, CP("Reihenfolge AEND-Satz muß letzter Satz sein!"));
    case FindingKind::kDataBeforeInfo:
      return Message(f, "Reihenfolge Datensatz vor letztem OTEX-, BKRT- oder BINF-Satz gefunden!");
    case FindingKind::kAnalysis: return FormatAnalysisMessage(f.lineNumber, f.value);
    case FindingKind::kDroppedChain: return FormatDroppedChainMessage(f.lineNumber, f.value);
    case FindingKind::kGiven: return given[static_cast<std::size_t>(f.value)];
  }
  return {};
}

}  // namespace

std::string CErrorList::Message(std::size_t k) const { return FindingMessage(At(k), m_givenMessages); }

bool operator==(const CErrorColumn& column, const std::vector<std::string>& texts) {
  if (column.size() != texts.size()) return false;
  for (std::size_t k = 0; k < texts.size(); ++k) {
    if (column[k] != texts[k]) return false;
  }
  return true;
}

std::vector<std::string> AllErrorMessages() { return {g_errorMessages.begin(), g_errorMessages.end()}; }
std::vector<std::string> AllErrorRecords() { return {g_errorRecords.begin(), g_errorRecords.end()}; }

void ReportError(const std::string& message, const std::string& recordText) { g_errorList.AddGiven(message, recordText); }

void ClearErrorList() { g_errorList.Clear(); }

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
  const std::string m = g_errorList.Message(static_cast<std::size_t>(k));
  const long long width = static_cast<long long>(ErrorListLineWidth(m));
  ErrorListRow row;
  row.line = Mid(m, 0, width);
  row.kind = Mid(m, width, kKindWidth);
  row.description = Mid(m, width + kKindWidth, static_cast<long long>(m.size()));
  row.record = g_errorList.Record(static_cast<std::size_t>(k));
  return row;
}

// The row's columns cut from the message where GetErrorListRow cuts them, without copying each:
// the saved list and the batch tool write a line per finding, millions for a broken delivery.
std::string ErrorListText(int k) {
  const std::string m = g_errorList.Message(static_cast<std::size_t>(k));
  const long long width = static_cast<long long>(ErrorListLineWidth(m));
  const std::string_view record = g_errorList.Record(static_cast<std::size_t>(k));
  std::string text;
  text.reserve(m.size() + record.size() + 3);
  for (std::string_view column : {Mid(m, 0, width), Mid(m, width, kKindWidth), Mid(m, width + kKindWidth, static_cast<long long>(m.size()))}) {
    text += column;
    text += '\t';
  }
  text += record;
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
  for (int k = 0; k < static_cast<int>(g_errorList.size()) && ok; ++k) writeLine(ErrorListText(k));
  ok = std::fclose(f) == 0 && ok;
  if (!ok) edbs::Prompt().ShowMessage("Fehler beim Schreiben der Datei!");
  return ok;
}
