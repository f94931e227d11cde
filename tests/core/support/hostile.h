#pragma once
// Helpers for tests with hostile input: a stream that fails in the middle, a surface that does
// something to the file being read at the first progress step, and a scope that reads and writes
// without the superuser's right to ignore file permissions.

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <functional>
#include <string>

#include "platform/recording_canvas.h"

namespace testing_edbs {

// A stream that hands out `bytes` and then fails with EIO, as a disk with a bad sector or a
// vanished network share does. Close it with std::fclose.
inline std::FILE* StreamFailingAfter(const std::string& bytes) {
  struct State {
    std::string bytes;
    std::size_t pos = 0;
  };
  cookie_io_functions_t io{};
  io.read = [](void* cookie, char* buf, std::size_t size) -> ssize_t {
    auto* s = static_cast<State*>(cookie);
    if (s->pos == s->bytes.size()) {
      errno = EIO;
      return -1;
    }
    const std::size_t n = std::min(size, s->bytes.size() - s->pos);
    s->bytes.copy(buf, n, s->pos);
    s->pos += n;
    return static_cast<ssize_t>(n);
  };
  io.close = [](void* cookie) {
    delete static_cast<State*>(cookie);
    return 0;
  };
  return fopencookie(new State{bytes}, "rb", io);
}

// A surface that runs `action` once, at the first progress step of a load.
class ActingCanvas : public edbs::NullCanvas {
 public:
  explicit ActingCanvas(std::function<void()> action) : m_action(std::move(action)) {}
  void Flush() override {
    if (m_action) std::exchange(m_action, nullptr)();
  }

 private:
  std::function<void()> m_action;
};

// Runs as the user "nobody" while it lives when the tests run as the superuser, who may read and
// write any file; file permissions then hold as they hold for a user.
class AsOrdinaryUser {
 public:
  AsOrdinaryUser() : m_switched(geteuid() == 0 && seteuid(kNobody) == 0) {}
  ~AsOrdinaryUser() {
    if (m_switched) (void)seteuid(0);
  }
  AsOrdinaryUser(const AsOrdinaryUser&) = delete;
  AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;

 private:
  static constexpr uid_t kNobody = 65534;
  bool m_switched;
};

}  // namespace testing_edbs
