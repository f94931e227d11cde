#pragma once
// Append-only storage for the texts of a load and the part tables of its records, in blocks that
// never move: what is added keeps its address until the arena is destroyed, so records and the
// error list point into it instead of each keeping a copy. One arena holds one load; the store and
// the error list share it.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <type_traits>
#include <vector>

#include "platform/large_blocks.h"

class CTextArena {
 public:
  CTextArena();
  // An arena for about `expectedBytes` of texts: a small load takes a first block of about its size
  // instead of the usual 64 KiB (at least 4 KiB); later blocks grow as usual.
  explicit CTextArena(std::size_t expectedBytes);
  CTextArena(const CTextArena&) = delete;
  CTextArena& operator=(const CTextArena&) = delete;

  // Starts a text at the end of the arena. Append adds to it and keeps it in one piece (it moves
  // into a fresh block when the current one is full); Finish ends it and returns it.
  void Begin();
  void Append(std::string_view bytes);
  void AppendFill(std::size_t count, char c);
  // The text begun so far.
  std::string_view Current() const { return {m_block + m_textStart, m_used - m_textStart}; }
  std::string_view Finish();

  // A finished copy of `bytes`.
  std::string_view Add(std::string_view bytes) {
    Begin();
    Append(bytes);
    return Finish();
  }

  // Room for `count` objects of a trivial type, suitably aligned, uninitialised.
  template <typename T>
  T* Allocate(std::size_t count) {
    static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);
    return static_cast<T*>(AllocateBytes(count * sizeof(T), alignof(T)));
  }

  // Bytes taken from the system for the blocks.
  std::size_t Capacity() const { return m_capacity; }

 private:
  void* AllocateBytes(std::size_t bytes, std::size_t alignment);
  // Makes room for `more` bytes behind the text begun, moving it to a new block when needed.
  void Grow(std::size_t more);

  std::vector<edbs::LargeBlock> m_blocks;
  char* m_block = nullptr;  // the block written to
  std::size_t m_size = 0;   // its size
  std::size_t m_used = 0;   // bytes of it in use
  std::size_t m_textStart = 0;
  std::size_t m_capacity = 0;
  std::size_t m_firstBlock;
};
