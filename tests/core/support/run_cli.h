#pragma once
// Runs the batch tool as a script would and collects what it printed and its exit status.

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

#include "support/edbs_lines.h"

namespace testing_edbs {

// The whole content of a file, as bytes; empty when it cannot be read.
inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

struct CliResult {
  std::string out;
  std::string err;
  int status = -1;
};

// Runs satzlupe-cli with `args`; `env` is put in front of the command (e.g. "env -u DISPLAY").
inline CliResult RunCli(const std::string& args, const std::string& env = "") {
  TempDir dir;
  CliResult r;
  const std::string command = env + " " + SATZLUPE_CLI + " " + args + " 2>" + dir.Path("err");
  std::FILE* p = popen(command.c_str(), "r");
  std::array<char, 4096> buffer{};
  std::size_t n;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), p)) > 0) r.out.append(buffer.data(), n);
  const int status = pclose(p);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.err = ReadFile(dir.Path("err"));
  return r;
}

}  // namespace testing_edbs
