// Texts kept with their values: written plain for numora-cli and files, in any format for the
// window, put together and split into lines without losing which value goes where.
#include "common/pattern_text.h"

#include <gtest/gtest.h>

namespace numora {
namespace {

const NumberFormat kFrench{"\u00a0", ",", true};

TEST(PatternText, WritesItsValuesInTheFormat) {
  struct Case {
    PatternText text;
    const char* plain;
    const char* french;
  };
  const Case cases[] = {
      {PatternText("%1 draws", {wholeNumber(12345)}), "12345 draws", "12\u00a0345 draws"},
      {PatternText("p = %1", {fixedNumber(0.8567, 3)}), "p = 0.857", "p = 0,857"},
      // Large odds are grouped in every format.
      {PatternText("1 in %1", {ShownNumber{2147181, 0, true}}), "1 in 2,147,181",
       "1 in 2\u00a0147\u00a0181"},
      // A text value is written as it is, even with a placeholder or a percent sign in it.
      {PatternText("%2 to %1", {std::string("a%1.txt"), wholeNumber(3)}), "3 to a%1.txt",
       "3 to a%1.txt"},
      {PatternText("%1 %% of %2", {fixedNumber(26, 1), wholeNumber(5)}), "26.0 % of 5",
       "26,0 % of 5"},
      // A plain text keeps its percent signs; a placeholder without a value stays.
      {PatternText("100% sure %1"), "100% sure %1", "100% sure %1"},
      {PatternText("%1 and %3", {wholeNumber(1)}), "1 and %3", "1 and %3"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.text.written(), c.plain) << c.text.pattern();
    EXPECT_EQ(c.text.written(kFrench), c.french) << c.text.pattern();
  }
}

TEST(PatternText, AppendingRenumbersAndLinesNumberFromOne) {
  PatternText text("%1 tips", {wholeNumber(1200)});
  text += " x ";
  text += PatternText("%1 cycles (%2%)", {wholeNumber(3), fixedNumber(50, 0)});
  text += "\n";
  text += PatternText("p = %1, 5% of %1", {fixedNumber(0.5, 2)});
  EXPECT_EQ(text.written(), "1200 tips x 3 cycles (50%)\np = 0.50, 5% of 0.50");
  EXPECT_EQ(text.written(kFrench), "1\u00a0200 tips x 3 cycles (50%)\np = 0,50, 5% of 0,50");

  const auto lines = text.lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].pattern(), "%1 tips x %2 cycles (%3%)");
  EXPECT_EQ(lines[1].pattern(), "p = %1, 5% of %1");
  EXPECT_EQ(lines[1].values().size(), 1u);
  EXPECT_EQ(lines[1].written(kFrench), "p = 0,50, 5% of 0,50");
}

}  // namespace
}  // namespace numora
