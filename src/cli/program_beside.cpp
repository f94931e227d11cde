// Verbs run by a program of their own beside the batch tool (satzlupe-plan for `plan`,
// satzlupe-gis for `gis`), in its place with the same arguments: their output and exit status are
// the batch tool's. Only the plan draws with Qt and only the GIS export writes through GDAL, so
// check, export and stats take none of their libraries into memory (some 13 MB of Qt and 30 MB
// of GDAL and its libraries for every batch run).

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli_common.h"

namespace cli {
namespace {

// The program beside the running batch tool; its bare name (looked up along PATH) where the
// system does not say where the batch tool lies.
std::string ProgramBeside(const char* name) {
  char self[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  if (n <= 0) return name;
  std::string path(self, static_cast<std::size_t>(n));
  const std::size_t slash = path.rfind('/');
  return path.substr(0, slash + 1) + name;
}

int RunBeside(const char* name, const char* verb, const std::vector<std::string>& args) {
  const std::string program = ProgramBeside(name);
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(name));
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  std::fflush(stdout);
  execvp(program.c_str(), argv.data());
  std::cerr << "satzlupe-cli " << verb << ": " << program << " kann nicht gestartet werden.\n";
  return kExitCannotOpen;
}

}  // namespace

int RunPlan(const std::vector<std::string>& args) { return RunBeside("satzlupe-plan", "plan", args); }

#ifdef SATZLUPE_HAVE_GIS
int RunGis(const std::vector<std::string>& args) { return RunBeside("satzlupe-gis", "gis", args); }
#endif

}  // namespace cli
