// satzlupe-plan: the plan verb of the batch tool as a program of its own, which satzlupe-cli runs
// for `plan`. It alone draws with Qt; the batch tool's other verbs need none of Qt's libraries.

#include <string>
#include <vector>

#include "cli_common.h"

int main(int argc, char** argv) {
  cli::InstallConsolePrompt();
  return cli::RunPlan(std::vector<std::string>(argv + 1, argv + argc));
}
