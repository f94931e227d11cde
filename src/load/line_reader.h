#pragma once
// Reads a file in pieces of at most 2000 characters with the line semantics of a Windows text-mode
// read on every platform: CR LF ends a line like LF, a Ctrl-Z ends the file, NUL is a character.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

class CLineReader {
 public:
  static constexpr std::size_t kMaxPiece = 2000;

  CLineReader() = default;
  ~CLineReader();
  CLineReader(const CLineReader&) = delete;
  CLineReader& operator=(const CLineReader&) = delete;

  bool Open(const std::string& path);
  // Reads the bytes of a buffer instead of a file; the buffer must outlive the reading.
  void OpenBuffer(std::string_view bytes);
  void Close();
  // The next piece without its line end; false at the end of the file. A line of exactly 2000
  // characters and its line end is one piece; only longer lines arrive as several pieces.
  bool NextPiece(std::string& piece);
  // Whether the last piece continues the line of the piece before it (a further piece of a line
  // longer than 2000 characters), so that it starts no line of its own.
  bool ContinuesLine() const { return m_continues; }
  // Whether a line feed ended the last piece; the piece as read is one character longer then.
  bool EndedByLineFeed() const { return m_lineFeed; }

 private:
  int Get();   // next character after the text-mode translation, or EOF
  int Peek();  // the same without consuming it
  int RawGet();
  bool Refill();

  std::FILE* m_file = nullptr;
  std::string_view m_memory;  // the bytes of OpenBuffer, handed out by the first Refill
  bool m_fromMemory = false;
  std::vector<char> m_buffer;
  const char* m_data = nullptr;  // the block being read: m_buffer or the memory
  std::size_t m_pos = 0, m_end = 0;
  bool m_atEnd = false;
  int m_peeked = -2;   // a translated character read ahead; -2: none
  int m_rawBack = -2;  // a raw character read ahead after a lone CR; -2: none
  bool m_midLine = false;    // the last piece stopped at the piece limit inside a line
  bool m_continues = false;
  bool m_lineFeed = false;
};
