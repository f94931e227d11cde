// satzlupe-cli plan: runs satzlupe-plan, which lies beside the batch tool, in its place with the
// same arguments; its output and exit status are the batch tool's. Only the plan draws with Qt:
// so the batch tool takes none of Qt's libraries into memory for check, export and stats.

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli_common.h"

namespace cli {
namespace {

constexpr const char* kPlanProgram = "satzlupe-plan";

// The plan program beside the running batch tool; its bare name (looked up along PATH) where the
// system does not say where the batch tool lies.
std::string PlanProgram() {
  char self[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  if (n <= 0) return kPlanProgram;
  std::string path(self, static_cast<std::size_t>(n));
  const std::size_t slash = path.rfind('/');
  return path.substr(0, slash + 1) + kPlanProgram;
}

}  // namespace

int RunPlan(const std::vector<std::string>& args) {
  const std::string program = PlanProgram();
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(kPlanProgram));
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  std::fflush(stdout);
  execvp(program.c_str(), argv.data());
  std::cerr << "satzlupe-cli plan: " << program << " kann nicht gestartet werden.\n";
  return kExitCannotOpen;
}

}  // namespace cli
