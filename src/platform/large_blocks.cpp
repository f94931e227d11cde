#include "platform/large_blocks.h"

#include <cstdint>
#include <cstdlib>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace edbs {
namespace {
#if defined(__linux__)
// Blocks below this size come from the heap: a small file's first block is read into at once, and
// mapping and unmapping it would cost more than reading the file.
constexpr std::size_t kMappedFrom = std::size_t{1} << 20;
// Blocks from this size on are aligned to the large page size and offered large pages.
constexpr std::size_t kLargePage = std::size_t{2} << 20;
constexpr std::size_t kPage = std::size_t{4} << 10;

std::size_t RoundUp(std::size_t n, std::size_t unit) { return (n + unit - 1) / unit * unit; }
#endif
}  // namespace

// Larger blocks are mapped from the system directly, so that a block given back is given back to
// the system at once (a freed heap block may stay with the process).
void LargeBlockDeleter::operator()(char* block) const {
#if defined(__linux__)
  if (size < kMappedFrom) {
    std::free(block);
    return;
  }
  munmap(block, size);
#else
  std::free(block);
#endif
}

LargeBlock AllocateLargeBlock(std::size_t size) {
#if defined(__linux__)
  if (size < kMappedFrom) {
    char* block = static_cast<char*>(std::malloc(size > 0 ? size : 1));
    if (block == nullptr) throw std::bad_alloc();
    return LargeBlock(block, LargeBlockDeleter{size});
  }
  if (size < kLargePage) {
    const std::size_t rounded = RoundUp(size, kPage);
    void* p = mmap(nullptr, rounded, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) throw std::bad_alloc();
    return LargeBlock(static_cast<char*>(p), LargeBlockDeleter{rounded});
  }
  // Mapped with room to spare, then cut to a range aligned to the large page size.
  const std::size_t rounded = RoundUp(size, kLargePage);
  void* p = mmap(nullptr, rounded + kLargePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (p == MAP_FAILED) throw std::bad_alloc();
  char* start = static_cast<char*>(p);
  char* aligned = reinterpret_cast<char*>(RoundUp(reinterpret_cast<std::uintptr_t>(start), kLargePage));
  if (aligned > start) munmap(start, static_cast<std::size_t>(aligned - start));
  char* end = aligned + rounded;
  char* mappedEnd = start + rounded + kLargePage;
  if (mappedEnd > end) munmap(end, static_cast<std::size_t>(mappedEnd - end));
  madvise(aligned, rounded, MADV_HUGEPAGE);  // only advice: without large pages it works as well
  return LargeBlock(aligned, LargeBlockDeleter{rounded});
#else
  char* block = static_cast<char*>(std::malloc(size));
  if (block == nullptr) throw std::bad_alloc();
  return LargeBlock(block, LargeBlockDeleter{size});
#endif
}

}  // namespace edbs
