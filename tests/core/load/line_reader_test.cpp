// The line reader cuts the bytes of a file into pieces as a Windows text-mode read of at most 2000
// characters does: CR LF ends a line like LF, a lone CR is a character, a Ctrl-Z ends the file.
// It scans whole blocks; these tests hold it against a reader that takes one character at a time,
// on hand-made edge cases and on many random files, with blocks of several sizes so that pieces
// and line ends fall on every kind of block boundary.

#include "load/line_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "support/edbs_lines.h"

using namespace testing_edbs;

namespace {

struct Piece {
  std::string text;
  bool continues = false;
  bool lineFeed = false;
  bool operator==(const Piece&) const = default;
};

void PrintTo(const Piece& p, std::ostream* os) {
  *os << "{" << p.text.size() << " chars" << (p.continues ? ", continues" : "") << (p.lineFeed ? ", LF" : "") << "}";
}

// The text-mode read, one character at a time: what the block reader must give.
std::vector<Piece> ReferencePieces(const std::string& bytes) {
  std::string translated;  // CR LF as LF, cut at the first Ctrl-Z
  for (std::size_t i = 0; i < bytes.size() && bytes[i] != '\x1A'; ++i) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    translated += bytes[i];
  }
  std::vector<Piece> pieces;
  bool midLine = false;
  std::size_t pos = 0;
  while (pos < translated.size()) {
    Piece p;
    p.continues = midLine;
    midLine = false;
    while (p.text.size() < CLineReader::kMaxPiece && pos < translated.size() && translated[pos] != '\n') {
      p.text += translated[pos++];
    }
    if (pos < translated.size() && translated[pos] == '\n') {
      p.lineFeed = true;
      ++pos;
    } else if (p.text.size() == CLineReader::kMaxPiece) {
      midLine = true;
    }
    pieces.push_back(p);
  }
  return pieces;
}

std::vector<Piece> Collect(CLineReader& reader) {
  std::vector<Piece> pieces;
  std::string_view text;
  while (reader.NextPiece(text)) pieces.push_back({std::string(text), reader.ContinuesLine(), reader.EndedByLineFeed()});
  return pieces;
}

std::vector<Piece> FromBuffer(const std::string& bytes) {
  CLineReader reader;
  reader.OpenBuffer(bytes);
  return Collect(reader);
}

std::vector<Piece> FromFile(const TempDir& dir, const std::string& bytes, std::size_t block) {
  const std::string path = dir.Write("lines.edbs", bytes);
  CLineReader reader(block);
  EXPECT_TRUE(reader.Open(path));
  return Collect(reader);
}

// The smallest block the reader takes, a size that cuts a long line, and the usual one.
const std::size_t kBlocks[] = {1, 4099, CLineReader::kDefaultBlock};

void ExpectSameAsReference(const std::string& bytes, const std::string& what) {
  TempDir dir;
  const std::vector<Piece> expected = ReferencePieces(bytes);
  EXPECT_EQ(FromBuffer(bytes), expected) << what << " (buffer)";
  for (const std::size_t block : kBlocks) EXPECT_EQ(FromFile(dir, bytes, block), expected) << what << ", block " << block;
}

}  // namespace

TEST(LineReader, LineEndsAndSpecialCharactersAsATextModeRead) {
  const std::string x2000(2000, 'x');
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", "empty file"},
      {"\n", "one empty line"},
      {"a\nb", "no line feed at the end"},
      {"a\r\nb\r\n", "CR LF"},
      {"a\rb\n", "a lone CR inside a line"},
      {"a\r\r\nb", "CR before CR LF"},
      {"a\r", "CR at the end of the file"},
      {"ab\x1A" "cd\n", "Ctrl-Z ends the file"},
      {"ab\r\x1A\n", "CR before Ctrl-Z"},
      {std::string("a\0b\n", 4), "NUL is a character"},
      {x2000 + "\n", "2000 characters and LF: one piece"},
      {x2000 + "\r\n", "2000 characters and CR LF: one piece"},
      {x2000 + "\rx\n", "2000 characters, a lone CR"},
      {x2000, "2000 characters at the end"},
      {x2000 + "y", "2001 characters at the end"},
      {x2000 + "\r", "2000 characters and a CR at the end"},
      {std::string(1999, 'x') + "\r\n", "1999 characters and CR LF"},
      {x2000 + "y\n", "2001 characters"},
      {x2000 + x2000 + "\n" + x2000 + x2000 + "z\n", "two and more pieces"},
      {"\n\n\r\n\n", "empty lines"},
  };
  for (const auto& [bytes, what] : cases) ExpectSameAsReference(bytes, what);
}

TEST(LineReader, RandomFilesGiveThePiecesOfATextModeRead) {
  std::mt19937 random(12);
  const char alphabet[] = {'E', 'D', 'B', 'S', 'x', ' ', '\r', '\n', '\0'};
  for (int round = 0; round < 60; ++round) {
    std::string bytes;
    const int runs = 1 + static_cast<int>(random() % 40);
    for (int r = 0; r < runs; ++r) {
      // Long runs of one character make pieces of the limit and beyond; short ones line ends.
      const char c = alphabet[random() % sizeof alphabet];
      const std::size_t n = random() % 4 == 0 ? 1900 + random() % 300 : random() % 5;
      bytes.append(n, c);
    }
    if (round % 10 == 9) bytes.insert(random() % (bytes.size() + 1), 1, '\x1A');
    ExpectSameAsReference(bytes, "round " + std::to_string(round));
  }
}

TEST(LineReader, AFileThatCannotBeOpenedIsReported) {
  CLineReader reader;
  EXPECT_FALSE(reader.Open("/nicht/vorhanden.edbs"));
  std::string_view piece;
  EXPECT_FALSE(reader.NextPiece(piece));
}
