#pragma once
// Reads a file in pieces of at most 2000 characters with the line semantics of a Windows text-mode
// read on every platform: CR LF ends a line like LF, a Ctrl-Z ends the file, NUL is a character.
// It scans blocks of the file for line ends instead of reading character by character, and hands
// out each piece where it lies in its block.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

class CLineReader {
 public:
  static constexpr std::size_t kMaxPiece = 2000;
  static constexpr std::size_t kDefaultBlock = std::size_t{1} << 20;

  // blockSize: the bytes read from the file at a time (tests use small blocks).
  explicit CLineReader(std::size_t blockSize = kDefaultBlock);
  ~CLineReader();
  CLineReader(const CLineReader&) = delete;
  CLineReader& operator=(const CLineReader&) = delete;

  bool Open(const std::string& path);
  // Reads the bytes of a buffer instead of a file; the buffer must outlive the reading.
  void OpenBuffer(std::string_view bytes);
  // Reads an open stream (a pipe, standard input); the caller keeps it and closes it.
  void OpenStream(std::FILE* stream);
  void Close();
  // Reads no more than `bytes` bytes of a file or stream; OverLimit() tells whether more were there.
  void SetByteLimit(std::int64_t bytes) { m_limit = bytes; }
  // The next piece without its line end; false at the end of the file. The piece stays valid
  // until the next call. A line of exactly 2000 characters and its line end is one piece; only
  // longer lines arrive as several pieces.
  bool NextPiece(std::string_view& piece);
  // Whether the last piece continues the line of the piece before it (a further piece of a line
  // longer than 2000 characters), so that it starts no line of its own.
  bool ContinuesLine() const { return m_continues; }
  // Whether a line feed ended the last piece; the piece as read is one character longer then.
  bool EndedByLineFeed() const { return m_lineFeed; }

  // Why the reading ended: a read error of the file system (not the end of the file), the byte
  // limit with more bytes behind it, or a Ctrl-Z.
  bool Failed() const { return m_failed; }
  bool OverLimit() const { return m_overLimit; }
  bool EndedByCtrlZ() const { return m_ctrlZ; }
  // The bytes taken from the file, stream or buffer so far.
  std::int64_t BytesRead() const { return m_bytesRead; }

 private:
  // Reads more of the file behind the unread bytes; false when nothing more comes.
  bool Refill();
  // At the byte limit: whether the file has more bytes behind it.
  void CheckBehindLimit();
  void Reset();

  std::size_t m_blockSize;
  std::FILE* m_file = nullptr;
  bool m_ownsFile = false;
  std::vector<char> m_buffer;
  const char* m_data = nullptr;  // the bytes being read: m_buffer, or the memory of OpenBuffer
  std::size_t m_pos = 0, m_end = 0;
  bool m_atEnd = true;       // nothing more to read behind m_end (end of file or a Ctrl-Z)
  bool m_midLine = false;    // the last piece stopped at the piece limit inside a line
  bool m_continues = false;
  bool m_lineFeed = false;
  std::int64_t m_limit = -1;  // -1: no limit
  std::int64_t m_bytesRead = 0;
  bool m_failed = false, m_overLimit = false, m_ctrlZ = false;
};
