#include "common/text.h"

#include <gtest/gtest.h>

namespace numora {
namespace {

TEST(Text, PositionIsOneBasedAndZeroWhenMissing) {
  EXPECT_EQ(pos("a", "abc"), 1u);
  EXPECT_EQ(pos("c", "abc"), 3u);
  EXPECT_EQ(pos("bc", "abcbc"), 2u);
  EXPECT_EQ(pos("x", "abc"), 0u);
  EXPECT_EQ(pos("E&nbsp", "<td>E&nbsp;</td>"), 5u);
}

TEST(Text, TrimRemovesBlanksAndControlCharacters) {
  EXPECT_EQ(trim(" \t 12,\r\n"), "12,");
  EXPECT_EQ(trimLeft("\x01 a "), "a ");
  EXPECT_EQ(trimRight(" a \x1f"), " a");
  EXPECT_EQ(trim("   "), "");
}

TEST(Text, StrictIntegerReading) {
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"0", 0},
      {"07", 7},
      {"-12", -12},
      {"+5", 5},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"", std::nullopt},
      {" 1", std::nullopt},
      {"1 ", std::nullopt},
      {"1a", std::nullopt},
      {"-", std::nullopt},
      {"2147483648", std::nullopt},
      {"1.5", std::nullopt},
      {"$10", std::nullopt},
      {"99999999999999999999", std::nullopt}};
  for (const auto& [text, expected] : cases) EXPECT_EQ(parseStrictInt(text), expected) << text;
}

TEST(Text, LinesAreReadWithEitherLineEndAndWrittenWithCrLf) {
  EXPECT_EQ(splitLines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(splitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
  EXPECT_TRUE(splitLines("").empty());
  EXPECT_EQ(joinLinesCrLf({"01,02", ""}), "01,02\r\n\r\n");
}

}  // namespace
}  // namespace numora
