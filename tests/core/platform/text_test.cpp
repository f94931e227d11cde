#include "platform/text.h"

#include <gtest/gtest.h>
#include "platform/cp1252_literal.h"

using edbs::Cp1252ToUtf8;
using edbs::Utf8ToCp1252;

TEST(Cp1252Text, UmlautsAndEuroBecomeUtf8) {
  EXPECT_EQ(Cp1252ToUtf8("Zeilenl\xE4nge \x80 \xDF"), "Zeilenl\xC3\xA4nge \xE2\x82\xAC \xC3\x9F");
}

TEST(Cp1252Text, UndefinedBytesSurviveTheRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252Text, UnrepresentableCodePointsBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1252("\xD0\x96x"), "?x");  // Cyrillic Zhe
}

TEST(Cp1252Text, InvalidUtf8IsTakenAsLatin1) { EXPECT_EQ(Utf8ToCp1252("a\xE4z"), "a\xE4z"); }

TEST(Cp1252Text, LiteralsOfTheCoreAreWindows1252) {
  // German literals of the core are converted to Windows-1252 while compiling.
  EXPECT_EQ(std::string(CP("ä")), "\xE4");
}
