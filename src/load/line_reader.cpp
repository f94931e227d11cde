#include "load/line_reader.h"

namespace {
constexpr std::size_t kBufferSize = 1 << 20;
constexpr int kCtrlZ = 0x1A;
}  // namespace

CLineReader::~CLineReader() { Close(); }

void CLineReader::Reset() {
  m_pos = m_end = 0;
  m_atEnd = false;
  m_peeked = -2;
  m_rawBack = -2;
  m_midLine = m_continues = m_lineFeed = false;
  m_bytesRead = 0;
  m_failed = m_overLimit = m_ctrlZ = false;
}

bool CLineReader::Open(const std::string& path) {
  Close();
  m_file = std::fopen(path.c_str(), "rb");
  if (m_file == nullptr) return false;
  m_ownsFile = true;
  m_fromMemory = false;
  m_buffer.resize(kBufferSize);
  Reset();
  return true;
}

void CLineReader::OpenStream(std::FILE* stream) {
  Close();
  m_file = stream;
  m_ownsFile = false;
  m_fromMemory = false;
  m_buffer.resize(kBufferSize);
  Reset();
}

void CLineReader::OpenBuffer(std::string_view bytes) {
  Close();
  m_fromMemory = true;
  m_memory = bytes;
  m_buffer.clear();
  Reset();
}

void CLineReader::Close() {
  if (m_file != nullptr && m_ownsFile) std::fclose(m_file);
  m_file = nullptr;
  m_ownsFile = false;
}

bool CLineReader::Refill() {
  if (m_atEnd) return false;
  if (m_fromMemory) {  // the whole buffer is one block
    m_data = m_memory.data();
    m_end = m_memory.size();
    m_memory = {};
    m_fromMemory = false;
    m_bytesRead += static_cast<std::int64_t>(m_end);
    m_pos = 0;
    if (m_end == 0) m_atEnd = true;
    return m_end != 0;
  }
  return RefillFromFile();
}

// A read error ends the reading as the end of the file does, but is told apart from it: the bytes
// read before it are still handed out. At the byte limit one more byte is asked for, to tell a
// file that goes on from one that ends there.
bool CLineReader::RefillFromFile() {
  if (m_file == nullptr) return false;
  std::size_t want = m_buffer.size();
  if (m_limit >= 0) {
    const std::int64_t left = m_limit - m_bytesRead;
    if (left <= 0) {
      m_atEnd = true;
      m_overLimit = std::fgetc(m_file) != EOF;
      m_failed = !m_overLimit && std::ferror(m_file) != 0;
      return false;
    }
    if (static_cast<std::uint64_t>(left) < want) want = static_cast<std::size_t>(left);
  }
  m_data = m_buffer.data();
  m_end = std::fread(m_buffer.data(), 1, want, m_file);
  m_bytesRead += static_cast<std::int64_t>(m_end);
  m_pos = 0;
  if (std::ferror(m_file) != 0) {
    m_failed = true;
    m_atEnd = true;
  }
  if (m_end == 0) m_atEnd = true;
  return m_end != 0;
}

int CLineReader::RawGet() {
  if (m_pos == m_end && !Refill()) return EOF;
  const int c = static_cast<unsigned char>(m_data[m_pos++]);
  if (c == kCtrlZ) {  // text mode: Ctrl-Z ends the file
    m_atEnd = true;
    m_ctrlZ = true;
    m_pos = m_end = 0;
    return EOF;
  }
  return c;
}

int CLineReader::Get() {
  if (m_peeked != -2) {
    const int c = m_peeked;
    m_peeked = -2;
    return c;
  }
  int c;
  if (m_rawBack != -2) {
    c = m_rawBack;
    m_rawBack = -2;
  } else {
    c = RawGet();
  }
  if (c == '\r') {
    const int next = RawGet();
    if (next == '\n') return '\n';
    m_rawBack = next;  // a lone CR stays a character; what follows is read on its own
  }
  return c;
}

int CLineReader::Peek() {
  if (m_peeked == -2) m_peeked = Get();
  return m_peeked;
}

bool CLineReader::NextPiece(std::string& piece) {
  piece.clear();
  m_continues = m_midLine;
  m_lineFeed = false;
  m_midLine = false;
  while (piece.size() < kMaxPiece) {
    const int c = Get();
    if (c == EOF) return !piece.empty();
    if (c == '\n') {
      m_lineFeed = true;
      return true;
    }
    piece.push_back(static_cast<char>(c));
  }
  if (Peek() == '\n') {
    Get();
    m_lineFeed = true;
  } else {
    m_midLine = true;
  }
  return true;
}
