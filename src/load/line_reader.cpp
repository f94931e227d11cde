#include "load/line_reader.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr char kCtrlZ = 0x1A;
// A piece ends at a line feed, or after kMaxPiece characters; whether a line feed follows those
// (directly or behind a CR) shows within two more bytes.
constexpr std::size_t kWindow = CLineReader::kMaxPiece + 2;
}  // namespace

CLineReader::CLineReader(std::size_t blockSize) : m_blockSize(std::max(blockSize, 2 * kWindow)) {}

CLineReader::~CLineReader() { Close(); }

void CLineReader::Reset() {
  m_pos = m_end = 0;
  m_midLine = m_continues = m_lineFeed = false;
  m_bytesRead = 0;
  m_failed = m_overLimit = m_ctrlZ = false;
}

bool CLineReader::Open(const std::string& path) {
  Close();
  m_file = std::fopen(path.c_str(), "rb");
  if (m_file == nullptr) return false;
  m_ownsFile = true;
  m_buffer.resize(m_blockSize);
  m_data = m_buffer.data();
  Reset();
  m_atEnd = false;
  return true;
}

void CLineReader::OpenStream(std::FILE* stream) {
  Close();
  m_file = stream;
  m_ownsFile = false;
  m_buffer.resize(m_blockSize);
  m_data = m_buffer.data();
  Reset();
  m_atEnd = stream == nullptr;
}

void CLineReader::OpenBuffer(std::string_view bytes) {
  Close();
  Reset();
  m_data = bytes.data();
  m_end = bytes.size();
  m_bytesRead = static_cast<std::int64_t>(bytes.size());
  // Text mode: a Ctrl-Z ends the file.
  if (const void* z = std::memchr(m_data, kCtrlZ, m_end)) {
    m_end = static_cast<std::size_t>(static_cast<const char*>(z) - m_data);
    m_ctrlZ = true;
  }
  m_atEnd = true;
}

void CLineReader::Close() {
  if (m_file != nullptr && m_ownsFile) std::fclose(m_file);
  m_file = nullptr;
  m_ownsFile = false;
}

bool CLineReader::Refill() {
  if (m_atEnd || m_file == nullptr) return false;
  // The unread bytes (less than a piece) move to the front, the block fills behind them.
  const std::size_t rest = m_end - m_pos;
  std::memmove(m_buffer.data(), m_buffer.data() + m_pos, rest);
  m_pos = 0;
  m_end = rest;
  char* fresh = m_buffer.data() + m_end;
  std::size_t room = m_buffer.size() - m_end;
  if (m_limit >= 0) room = static_cast<std::size_t>(std::min<std::int64_t>(room, m_limit - m_bytesRead));
  if (room == 0) {
    CheckBehindLimit();
    return false;
  }
  std::size_t got = std::fread(fresh, 1, room, m_file);
  m_bytesRead += static_cast<std::int64_t>(got);
  // A short read is the end of the file or an error, which must not pass for the end.
  if (got < room && std::ferror(m_file) != 0) {
    m_failed = true;
    m_atEnd = true;
  }
  if (const void* z = std::memchr(fresh, kCtrlZ, got)) {
    got = static_cast<std::size_t>(static_cast<const char*>(z) - fresh);
    m_ctrlZ = true;
    m_atEnd = true;
  }
  if (got == 0) m_atEnd = true;
  m_end += got;
  return got > 0;
}

void CLineReader::CheckBehindLimit() {
  m_atEnd = true;
  if (std::fgetc(m_file) != EOF) {
    m_overLimit = true;
  } else if (std::ferror(m_file) != 0) {
    m_failed = true;
  }
}

bool CLineReader::NextPiece(std::string_view& piece) {
  // Nothing was opened (or the file could not be): no bytes to look at.
  if (m_data == nullptr) return false;
  m_continues = m_midLine;
  m_lineFeed = false;
  m_midLine = false;
  for (;;) {
    const char* start = m_data + m_pos;
    const std::size_t window = std::min(m_end - m_pos, kWindow);
    if (const void* found = std::memchr(start, '\n', window)) {
      const std::size_t length = static_cast<std::size_t>(static_cast<const char*>(found) - start);
      // CR LF ends a line like LF; a CR elsewhere is a character.
      const std::size_t chars = length > 0 && start[length - 1] == '\r' ? length - 1 : length;
      if (chars <= kMaxPiece) {
        piece = {start, chars};
        m_pos += length + 1;
        m_lineFeed = true;
        return true;
      }
      piece = {start, kMaxPiece};
      m_pos += kMaxPiece;
      m_midLine = true;
      return true;
    }
    if (window == kWindow) {  // a longer line: its first piece
      piece = {start, kMaxPiece};
      m_pos += kMaxPiece;
      m_midLine = true;
      return true;
    }
    if (Refill()) continue;
    // The end of the file: what is left has no line feed.
    start = m_data + m_pos;
    const std::size_t left = m_end - m_pos;
    if (left == 0) return false;
    piece = {start, std::min(left, kMaxPiece)};
    m_pos += piece.size();
    m_midLine = left > kMaxPiece;
    return true;
  }
}
