#pragma once
// Memory for the large blocks that hold a delivery's text (tens of megabytes each). Where the
// system offers large pages for them, a block asks for them: a large delivery then takes a few
// hundred page faults instead of tens of thousands, which cost more than reading the file.

#include <cstddef>
#include <memory>

namespace edbs {

struct LargeBlockDeleter {
  std::size_t size = 0;  // the bytes of the block, at least those asked for
  void operator()(char* block) const;
};
using LargeBlock = std::unique_ptr<char[], LargeBlockDeleter>;

// An uninitialised block of at least `size` bytes (its deleter says how many); large pages where
// the system has them for the asking.
LargeBlock AllocateLargeBlock(std::size_t size);

}  // namespace edbs
