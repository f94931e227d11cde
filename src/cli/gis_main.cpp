// satzlupe-gis: the gis verb of the batch tool as a program of its own, which satzlupe-cli runs
// for `gis`. It alone writes through GDAL; the batch tool's other verbs need none of its libraries.

#include <string>
#include <vector>

#include "cli_common.h"

int main(int argc, char** argv) {
  cli::InstallConsolePrompt();
  return cli::RunGis(std::vector<std::string>(argv + 1, argv + argc));
}
