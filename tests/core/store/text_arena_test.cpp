// The arena keeps every text where it put it, so that records and findings point into it.

#include "store/text_arena.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

TEST(TextArena, TextsKeepTheirAddressWhileTheArenaGrows) {
  CTextArena arena;
  std::vector<std::string_view> texts;
  std::vector<std::string> expected;
  for (int k = 0; k < 20000; ++k) {
    expected.push_back(std::to_string(k) + std::string(static_cast<std::size_t>(k % 300), 'a' + k % 26));
    texts.push_back(arena.Add(expected.back()));
  }
  for (std::size_t k = 0; k < texts.size(); ++k) ASSERT_EQ(texts[k], expected[k]) << k;
  EXPECT_GE(arena.Capacity(), 20000u * 150u);
}

TEST(TextArena, ATextBeingWrittenStaysInOnePieceWhenItOutgrowsItsBlock) {
  CTextArena arena;
  arena.Add(std::string(60000, 'x'));  // most of the first block
  arena.Begin();
  std::string expected;
  for (int k = 0; k < 1000; ++k) {
    const std::string piece = "Stueck " + std::to_string(k) + ";";
    arena.Append(piece);
    expected += piece;
  }
  arena.AppendFill(3, ' ');
  expected += "   ";
  EXPECT_EQ(arena.Current(), expected);
  EXPECT_EQ(arena.Finish(), expected);
  // A text larger than any block gets a block of its own.
  const std::string huge(40u << 20, 'h');
  EXPECT_EQ(arena.Add(huge), huge);
}

TEST(TextArena, TablesAreAlignedForTheirType) {
  CTextArena arena;
  arena.Add("ungerade");
  auto* offsets = arena.Allocate<std::uint32_t>(5);
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(offsets) % alignof(std::uint32_t), 0u);
  arena.Add("x");
  auto* small = arena.Allocate<std::uint16_t>(3);
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(small) % alignof(std::uint16_t), 0u);
}

TEST(TextArena, ASmallLoadTakesASmallFirstBlockAndStillGrows) {
  CTextArena arena(1000);
  const std::string first(1000, 'a');
  const std::string_view kept = arena.Add(first);
  EXPECT_EQ(arena.Capacity(), 4096u);
  // More than was expected: the next blocks are the usual ones, and the first text stays put.
  const std::string more(9000, 'b');
  EXPECT_EQ(arena.Add(more), more);
  EXPECT_EQ(kept, first);
  EXPECT_EQ(arena.Capacity(), 4096u + (64u << 10));
  EXPECT_EQ(CTextArena(100u << 20).Add("x"), "x");
}
