#pragma once
// What the verbs of the batch tool share: exit codes, loading files as the desktop program does,
// and the console's answers to the core's message boxes.

#include <string>
#include <string_view>
#include <vector>

namespace cli {

constexpr int kExitOk = 0;
constexpr int kExitFindings = 1;
constexpr int kExitCannotOpen = 2;  // also a usage error

// Loads one file as "Öffnen ..." (first) or "Hinzufügen ..." (further ones) would. False when it
// cannot be opened (the message has gone to standard error).
bool Load(const std::string& path, bool first);

// Loads every file in order; kExitCannotOpen when one of them cannot be opened or read to its end
// (what was read is kept), else kExitOk.
int LoadAll(const std::vector<std::string>& files);

// Installs the console prompt: message boxes go to standard error in UTF-8, questions answer No.
void InstallConsolePrompt();

// One verb of the tool and the function that runs it with the arguments after the verb.
struct Verb {
  const char* name;
  int (*run)(const std::vector<std::string>& args);
};

int RunCheck(const std::vector<std::string>& args);
int RunExport(const std::vector<std::string>& args);
int RunStats(const std::vector<std::string>& args);
// The names of the statistics that `stats` knows, comma-separated, in lines that begin with
// `indent`, for the help texts.
std::string StatisticNameList(std::string_view indent);
int RunPlan(const std::vector<std::string>& args);
int RunGis(const std::vector<std::string>& args);  // only where the GIS export is built

}  // namespace cli
