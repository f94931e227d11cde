#include "store/text_arena.h"

#include <algorithm>
#include <cstring>

namespace {
// Blocks grow with the arena, from 64 KiB for a small file to 16 MiB for a large one, so that a
// small load takes little and a large one few blocks; untouched pages of a block cost nothing.
constexpr std::size_t kFirstBlock = std::size_t{64} << 10;
constexpr std::size_t kLargestBlock = std::size_t{16} << 20;
constexpr std::size_t kSmallestBlock = std::size_t{4} << 10;
}  // namespace

CTextArena::CTextArena() : m_firstBlock(kFirstBlock) {}

// The texts take about the bytes read; the part tables a few bytes per part more.
CTextArena::CTextArena(std::size_t expectedBytes)
    : m_firstBlock(std::clamp(expectedBytes + expectedBytes / 4, kSmallestBlock, kFirstBlock)) {}

void CTextArena::Begin() { m_textStart = m_used; }

void CTextArena::Append(std::string_view bytes) {
  if (bytes.empty()) return;
  if (m_size - m_used < bytes.size()) Grow(bytes.size());
  std::memcpy(m_block + m_used, bytes.data(), bytes.size());
  m_used += bytes.size();
}

void CTextArena::AppendFill(std::size_t count, char c) {
  if (count == 0) return;
  if (m_size - m_used < count) Grow(count);
  std::memset(m_block + m_used, c, count);
  m_used += count;
}

std::string_view CTextArena::Finish() {
  const std::string_view text = Current();
  m_textStart = m_used;
  return text;
}

void CTextArena::Grow(std::size_t more) {
  const std::size_t begun = m_used - m_textStart;
  const std::size_t usual = m_capacity == 0 ? m_firstBlock : std::clamp(m_capacity / 4, kFirstBlock, kLargestBlock);
  const std::size_t size = std::max(begun + more, usual);
  edbs::LargeBlock block = edbs::AllocateLargeBlock(size);
  if (begun > 0) std::memcpy(block.get(), m_block + m_textStart, begun);
  m_block = block.get();
  m_size = block.get_deleter().size;  // a block of large pages is rounded up to whole pages
  m_blocks.push_back(std::move(block));
  m_used = begun;
  m_textStart = 0;
  m_capacity += m_size;
}

void* CTextArena::AllocateBytes(std::size_t bytes, std::size_t alignment) {
  // Not inside a text being written: the text would no longer be in one piece.
  std::size_t at = (m_used + alignment - 1) / alignment * alignment;
  if (m_block == nullptr || at + bytes > m_size) {
    Grow(bytes + alignment);
    at = (m_used + alignment - 1) / alignment * alignment;
  }
  m_used = at + bytes;
  m_textStart = m_used;
  return m_block + at;
}
