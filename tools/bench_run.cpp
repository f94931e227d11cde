// Runs a command and prints its wall time in seconds and its peak memory (maximum resident set)
// in KiB, separated by a tab, to standard error; the command's own output stays as it is. The
// benchmark suite measures the batch tool, wc and dd with it, so that no `time` program is needed.
//
//   bench_run [-o FILE] COMMAND [ARG...]     (-o: the command's standard output into FILE)

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  int first = 1;
  const char* output = nullptr;
  if (argc > 2 && std::strcmp(argv[1], "-o") == 0) {
    output = argv[2];
    first = 3;
  }
  if (first >= argc) {
    std::fprintf(stderr, "Aufruf: bench_run [-o DATEI] BEFEHL [ARGUMENT...]\n");
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child < 0) return 2;
  if (child == 0) {
    if (output != nullptr) {
      const int fd = open(output, O_WRONLY | O_CREAT | O_TRUNC, 0644);
      if (fd < 0 || dup2(fd, STDOUT_FILENO) < 0) _exit(127);
      close(fd);
    }
    execvp(argv[first], argv + first);
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) < 0) return 2;
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::fprintf(stderr, "%.3f\t%ld\n", seconds, usage.ru_maxrss);
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  return 128 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
}
