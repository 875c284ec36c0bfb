#include "evaluation/zettelcheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "form/form.h"

namespace numora {
namespace {

void setDraw(Form& form, std::vector<int> numbers) {
  form.Zahl.fill(0);
  for (std::size_t i = 0; i < numbers.size(); ++i) form.Zahl[i + 1] = numbers[i];
}

struct TipCase {
  const char* tip;
  int numbersPerTip;
  int hits;
};

TEST(Zettelcheck, ReadsTipTextsAsTheTipListHoldsThem) {
  Form form;
  // 1..9 and 33, 17 absent.
  setDraw(form, {1, 2, 3, 4, 5, 6, 7, 8, 9, 33, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49});
  const TipCase cases[] = {
      {"5,17,33", 10, 2},
      {"05,17,33", 10, 2},
      {"1,2,3,4,5", 2, 2},  // only the first numbers-per-tip are compared
      {"1, 2, 3", 10, 3},   // blanks after a comma are ignored
      {"1,\t2", 10, 2},     // so are control characters
      {"1 ,2", 10, 0},      // a blank before a comma spoils the number and ends it
      {"7,,9", 10, 1},      // an empty field ends the comparison
      {"8,8", 10, 2},       // a repeated number counts twice
      {"", 10, 0},
      {"3,9 ", 10, 1},  // a trailing blank spoils the last number
      {" 3,9", 10, 2},
      {"3,x,9", 10, 1},
      {"3,+9", 10, 2},
      {"-3,9", 10, 1},
      {"0,3", 10, 1},                      // 0 is never drawn
      {"99,3", 10, 1},                     // a number outside 1..70 just misses
      {"3,000000000000000000009", 10, 1},  // longer than a slot: unreadable
      {"3,00000000000000000009", 10, 2},   // 20 characters still fit
      {"1,2,3,4,5,6,7,8,9,33,40", 10, 10},
      {"70,69,68", 10, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.tip);
    form.UpDown18.setPosition(c.numbersPerTip);
    form.Gewinn = 99;
    Zettelcheck(form, c.tip);
    EXPECT_EQ(form.Gewinn, c.hits);
  }
}

TEST(Zettelcheck, TakesAtMostTwentySixNumberTexts) {
  std::string tip;
  for (int i = 0; i < 30; ++i) tip += (i ? "," : "") + std::to_string(i + 1);
  const TipNumbers read = readTipNumbers(tip, 100);
  EXPECT_EQ(read.count, 26);
  EXPECT_EQ(read.values[25], 26);
}

// The number-set path gives the same hits as the tip text for tips of distinct numbers.
TEST(Zettelcheck, NumberSetPathMatchesTheTextPath) {
  std::mt19937 engine(7);
  std::vector<int> all(70);
  for (int i = 0; i < 70; ++i) all[i] = i + 1;
  Form form;
  for (int round = 0; round < 20000; ++round) {
    std::shuffle(all.begin(), all.end(), engine);
    setDraw(form, std::vector<int>(all.begin(), all.begin() + 20));
    const int size = 2 + static_cast<int>(engine() % 9);
    form.UpDown18.setPosition(2 + static_cast<int>(engine() % 9));
    std::shuffle(all.begin(), all.end(), engine);
    std::vector<int> tip(all.begin(), all.begin() + size);
    std::sort(tip.begin(), tip.end());
    std::string text;
    NumberSet tipSet;
    for (int i = 0; i < size; ++i) {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "%s%.2d", i ? "," : "", tip[i]);
      text += buffer;
      if (i < form.UpDown18.position()) tipSet.add(tip[i]);
    }
    Zettelcheck(form, text);
    ASSERT_EQ(form.Gewinn, tipSet.common(drawSet(drawNumbersOf(form.Zahl)))) << text;
  }
}

TEST(NumberSet, IgnoresNumbersOutsideTheGame) {
  NumberSet set;
  for (int n : {0, 1, 64, 65, 70, 71, 255, -1}) set.add(n);
  EXPECT_EQ(set.size(), 4);
  EXPECT_TRUE(set.contains(64));
  EXPECT_TRUE(set.contains(65));
  EXPECT_FALSE(set.contains(71));
  EXPECT_FALSE(set.contains(0));
}

}  // namespace
}  // namespace numora
