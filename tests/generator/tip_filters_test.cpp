#include "generator/tip_filters.h"

#include <gtest/gtest.h>

#include <functional>
#include <numeric>

namespace numora {
namespace {

// Every filter off and the cross sum open, so each case switches on what it tests.
void allFiltersOff(Form& form) {
  for (CheckBox* box :
       {&form.CheckBox3, &form.CheckBox24, &form.CheckBox27, &form.CheckBox8, &form.CheckBox18,
        &form.CheckBox4, &form.CheckBox5, &form.CheckBox23, &form.CheckBox9, &form.CheckBox17,
        &form.CheckBox25, &form.CheckBox26, &form.CheckBox22}) {
    box->setChecked(false);
  }
  form.UpDown2.setPosition(1);
  form.UpDown15.setPosition(1400);
}

class TipFiltersTest : public ::testing::Test {
 protected:
  TipFiltersTest() {
    allFiltersOff(form);
    // Last draw 1..20, second-last 21..40, third-last 41..60.
    std::array<DrawNumbers, 3> draws{};
    for (std::size_t d = 0; d < 3; ++d)
      std::iota(draws[d].begin(), draws[d].end(), 1 + 20 * static_cast<int>(d));
    lastDraws = countLastDraws(draws);
    EXPECT_TRUE(table.read({"01,02,03,04,05,06,07,08,09,10", "11,12,13,14,15,16,17,18,19,20"}));
  }
  static Candidate tip(std::vector<int> numbers) {
    Candidate candidate;
    candidate.size = static_cast<int>(numbers.size());
    int sum = 0;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
      candidate.tipp[i + 1] = numbers[i];
      sum += numbers[i];
    }
    candidate.crossSum = scaledCrossSum(sum, candidate.size);
    return candidate;
  }

  using DrawNumbers = std::array<int, 20>;
  Form form;
  ComparisonTable table;
  LastDrawCounts lastDraws{};
  DrawHistorySets history;
};

TEST_F(TipFiltersTest, EachFilterRejectsWhatItShould) {
  struct Case {
    const char* what;
    std::function<void(Form&)> setup;
    std::vector<int> numbers;
    int tipNumber;
    int failing;
  };
  const Case cases[] = {
      {"the first tip is never compared",
       [](Form& f) { f.CheckBox3.setChecked(true), f.UpDown3.setPosition(0); },
       {1, 2, 3},
       1,
       0},
      {"more shared than the maximum",
       [](Form& f) { f.CheckBox3.setChecked(true), f.UpDown3.setPosition(2); },
       {1, 2, 3, 30},
       2,
       kMatchesFilter},
      {"shared up to the maximum",
       [](Form& f) { f.CheckBox3.setChecked(true), f.UpDown3.setPosition(3); },
       {1, 2, 3, 30},
       2,
       0},
      {"fewer shared than the minimum with some tip",
       [](Form& f) { f.CheckBox24.setChecked(true), f.UpDown1.setPosition(1); },
       {1, 30, 31},
       3,
       kMatchesFilter},
      {"the minimum against the earlier tips only",
       [](Form& f) { f.CheckBox24.setChecked(true), f.UpDown1.setPosition(1); },
       {1, 30, 31},
       2,
       0},
      {"every entry applies the maximum with its box off",
       [](Form& f) {
         f.CheckBox27.setChecked(true), f.UpDown3.setPosition(4), f.UpDown1.setPosition(0);
       },
       {1, 2, 3, 4, 5, 30},
       2,
       kMatchesFilter},
      {"every entry applies the minimum with its box off",
       [](Form& f) {
         f.CheckBox27.setChecked(true), f.UpDown3.setPosition(9), f.UpDown1.setPosition(1);
       },
       {30, 31},
       2,
       kMatchesFilter},
      {"no consecutive pair",
       [](Form& f) { f.CheckBox8.setChecked(true); },
       {1, 3, 5},
       1,
       kConsecutivePairFilter},
      {"a consecutive pair", [](Form& f) { f.CheckBox8.setChecked(true); }, {1, 2, 5}, 1, 0},
      {"a run of three",
       [](Form& f) { f.CheckBox18.setChecked(true); },
       {11, 12, 13},
       1,
       kNoRunsOfThreeFilter},
      {"a run of three allowed, a pair required",
       [](Form& f) { f.CheckBox8.setChecked(true); },
       {11, 12, 13},
       1,
       0},
      {"cross sum below the minimum",
       [](Form& f) { f.UpDown2.setPosition(100); },
       {1, 2, 3, 4, 5},
       1,
       kCrossSumFilter},
      {"cross sum at the minimum",
       [](Form& f) { f.UpDown2.setPosition(60); },
       {1, 2, 3, 4, 5},
       1,
       0},
      {"cross sum above the maximum",
       [](Form& f) { f.UpDown15.setPosition(1389); },
       {69, 70},
       1,
       kCrossSumFilter},
      {"cross sum before the last-draw range",
       [](Form& f) { f.UpDown2.setPosition(100), f.CheckBox4.setChecked(true); },
       {1, 2, 3, 4, 5},
       1,
       kCrossSumFilter},
      {"a last-draw number with the range 0..0",
       [](Form& f) { f.CheckBox4.setChecked(true); },
       {1, 30},
       1,
       kLastDrawFilter},
      {"no last-draw number with the range 0..0",
       [](Form& f) { f.CheckBox4.setChecked(true); },
       {30, 61},
       1,
       0},
      {"too few last-draw numbers",
       [](Form& f) {
         f.CheckBox4.setChecked(true), f.UpDown4.setPosition(5), f.UpDown21.setPosition(2);
       },
       {1, 30},
       1,
       kLastDrawFilter},
      {"second-last draw",
       [](Form& f) { f.CheckBox5.setChecked(true), f.UpDown5.setPosition(1); },
       {21, 22, 61},
       1,
       kSecondLastDrawFilter},
      {"third-last draw",
       [](Form& f) {
         f.CheckBox23.setChecked(true), f.UpDown11.setPosition(2), f.UpDown23.setPosition(1);
       },
       {21, 22, 61},
       1,
       kThirdLastDrawFilter},
      {"too few even numbers",
       [](Form& f) { f.CheckBox25.setChecked(true), f.UpDown16.setPosition(2); },
       {1, 3, 4},
       1,
       kEvenFilter},
      {"enough even numbers",
       [](Form& f) { f.CheckBox25.setChecked(true), f.UpDown16.setPosition(2); },
       {2, 4, 5},
       1,
       0},
      {"too few odd numbers",
       [](Form& f) { f.CheckBox26.setChecked(true), f.UpDown17.setPosition(2); },
       {2, 4, 5},
       1,
       kOddFilter},
      {"1 counts as a prime: one prime",
       [](Form& f) { f.CheckBox22.setChecked(true), f.UpDown10.setPosition(2); },
       {1, 4, 6},
       1,
       kPrimesFilter},
      {"two primes",
       [](Form& f) { f.CheckBox22.setChecked(true), f.UpDown10.setPosition(2); },
       {1, 2, 6},
       1,
       0},
      {"the prime count looks at numbers-per-tip slots",
       [](Form& f) {
         f.CheckBox22.setChecked(true), f.UpDown10.setPosition(1), f.UpDown18.setPosition(2);
       },
       {4, 6, 7, 11},
       1,
       kPrimesFilter},
  };
  for (const Case& c : cases) {
    Form fresh;
    allFiltersOff(fresh);
    c.setup(fresh);
    TipFilters filters(fresh, table, lastDraws, history);
    EXPECT_EQ(filters.firstFailing(tip(c.numbers), c.tipNumber), c.failing) << c.what;
  }
}

TEST_F(TipFiltersTest, AFilterReadsItsOptionWhenItRuns) {
  TipFilters filters(form, table, lastDraws, history);
  const Candidate candidate = tip({1, 2, 5});
  EXPECT_EQ(filters.firstFailing(candidate, 1), 0);
  form.CheckBox25.setChecked(true);
  form.UpDown16.setPosition(3);
  EXPECT_EQ(filters.firstFailing(candidate, 1), kEvenFilter);
}

TEST(PrimzahlenTest, CountsThePrimeSetWithOne) {
  Candidate candidate;
  candidate.size = 5;
  const int numbers[] = {1, 9, 53, 61, 67};
  for (int i = 0; i < 5; ++i) candidate.tipp[static_cast<std::size_t>(i + 1)] = numbers[i];
  EXPECT_EQ(primzahlen(candidate, 5), 4);
  EXPECT_EQ(primzahlen(candidate, 2), 1);
  EXPECT_EQ(primzahlen(candidate, 10), 4);  // slots past the tip are empty
}

}  // namespace
}  // namespace numora
