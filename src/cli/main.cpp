// satzlupe-cli: the batch tool. Loads EDBS files exactly as the desktop program does and prints
// the check results, or writes the readable export.

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "load/checks.h"
#include "load/error_list.h"
#include "load/file_reader.h"
#include "platform/recording_canvas.h"
#include "platform/services.h"
#include "platform/text.h"
#include "store/edbs_store.h"
#include "views/export.h"
#include "views/settings.h"
#include "platform/cp1252_literal.h"

namespace {

constexpr int kExitFindings = 1;
constexpr int kExitCannotOpen = 2;

// Message boxes of the core go to standard error, in UTF-8, with the file they concern.
class ConsolePrompt : public edbs::UserPrompt {
 public:
  void ShowMessage(const std::string& text) override {
    std::cerr << edbs::Cp1252ToUtf8(text) << ' ' << g_fileName << '\n';
  }
  edbs::PromptAnswer AskYesNo(const std::string&) override { return edbs::PromptAnswer::No; }
  std::string ChooseOpenFile(const std::string&, const std::string&) override { return {}; }
  std::string ChooseSaveFile(const std::string&, const std::string&) override { return {}; }
};

void PrintHelp() {
  std::cout << edbs::Cp1252ToUtf8(
      CP("Aufruf:\n"
      "  satzlupe-cli check DATEI...\n"
      "  satzlupe-cli export [--kurz|--lang] -o AUSGABE DATEI...\n"
      "\n"
      "check   Liest die EDBS-Dateien wie das Programm Satzlupe (die erste nach dem Leeren des\n"
      "        Speichers, jede weitere hinzugefügt), prüft jede Zeile und zerlegt jeden Satz.\n"
      "        Nach jeder Datei werden ausgegeben: der Dateiname, die gelesenen Zeilen und Zeichen,\n"
      "        die EDBS-Sätze und Aggregate, je Prüfung eine Zeile \"Anzahl<TAB>OK|FEHLER<TAB>Prüfung\",\n"
      "        eine Leerzeile und je Fehler eine Zeile \"Zeile<TAB>Art<TAB>Beschreibung<TAB>EDBS-Satz\".\n"
      "export  Liest die EDBS-Dateien ebenso und schreibt alle Sätze lesbar nach AUSGABE\n"
      "        (Langform, mit --kurz die Kurzform; Windows-1252, CR LF).\n"
      "\n"
      "Ausgabe in UTF-8. Rückgabewert: 0 ohne Befund, 1 wenn eine Datei Fehler enthält,\n"
      "2 wenn eine Datei nicht geöffnet oder geschrieben werden kann.\n"));
}

// Loads one file as "Öffnen ..." (first) or "Hinzufügen ..." (further ones) would.
bool Load(const std::string& path, bool first) {
  g_fileName = path;
  g_pendingAction = first ? kPendingOpen : kPendingAdd;
  edbs::NullCanvas canvas;
  PerformPendingLoad(canvas);
  return g_loadScreenValid == 1;
}

void PrintCheckResult(const std::string& path) {
  std::string out = "Datei: " + path + "\n";
  out += edbs::Cp1252ToUtf8(LinesReadText()) + "\n";
  out += edbs::Cp1252ToUtf8(RecordsParsedText()) + "\n";
  for (int row = 1; row <= kCheckRows; ++row) {
    const int count = (row == 6 || row == 7) ? 0 : g_checkCounts[row];
    out += std::to_string(count) + "\t" + (count == 0 ? "OK" : "FEHLER") + "\t" +
           edbs::Cp1252ToUtf8(kCheckLabels[row]) + "\n";
  }
  out += "\n";
  for (int k = 0; k < static_cast<int>(g_errorMessages.size()); ++k) {
    const ErrorListRow row = GetErrorListRow(k);
    out += edbs::Cp1252ToUtf8(row.line) + "\t" + edbs::Cp1252ToUtf8(row.kind) + "\t" +
           edbs::Cp1252ToUtf8(row.description) + "\t" + edbs::Cp1252ToUtf8(row.record) + "\n";
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
}

int Check(const std::vector<std::string>& files) {
  int status = 0;
  bool first = true;
  for (const std::string& path : files) {
    if (!Load(path, first)) {
      status = kExitCannotOpen;
      continue;
    }
    first = false;
    PrintCheckResult(path);
    if (!g_errorMessages.empty() && status == 0) status = kExitFindings;
  }
  return status;
}

int Export(const std::vector<std::string>& args) {
  std::string out;
  std::vector<std::string> files;
  bool longForm = true;
  for (std::size_t k = 0; k < args.size(); ++k) {
    if (args[k] == "--kurz") {
      longForm = false;
    } else if (args[k] == "--lang") {
      longForm = true;
    } else if (args[k] == "-o" && k + 1 < args.size()) {
      out = args[++k];
    } else {
      files.push_back(args[k]);
    }
  }
  if (out.empty() || files.empty()) {
    std::cerr << "Aufruf: satzlupe-cli export [--kurz|--lang] -o AUSGABE DATEI...\n";
    return kExitCannotOpen;
  }
  int status = 0;
  bool first = true;
  for (const std::string& path : files) {
    if (!Load(path, first)) {
      status = kExitCannotOpen;
      continue;
    }
    first = false;
  }
  g_settings.Kurzform = longForm ? 1 : 0;
  g_fileName = out;  // names the output in a write failure message
  if (!WriteReadableExport(out)) status = kExitCannotOpen;
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  ConsolePrompt prompt;
  edbs::SetPrompt(&prompt);
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "hilfe") {
    PrintHelp();
    return args.empty() ? kExitCannotOpen : 0;
  }
  const std::string verb = args[0];
  args.erase(args.begin());
  if (verb == "check" && !args.empty()) return Check(args);
  if (verb == "export") return Export(args);
  PrintHelp();
  return kExitCannotOpen;
}
