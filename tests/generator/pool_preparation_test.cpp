#include "generator/pool_preparation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>

#include "generator/generator_options.h"
#include "support/calculation_fixture.h"

namespace numora::test {
namespace {

class PoolPreparationTest : public CalculationTest {
 protected:
  // Runs steps 1 and 3..10 of a calculation.
  PoolOutcome prepare() {
    const auto ctx = context();
    const PickedDraw picked = rememberPickedDraw(ctx);
    last = readLastDraws(ctx, picked);
    return preparePool(ctx, readGeneratorOptions(form()), last, picked, pool);
  }
  int weight(int number) const { return pool.weights()[static_cast<std::size_t>(number)]; }
  std::vector<int> entries() const { return {pool.entries().begin(), pool.entries().end()}; }
  static std::vector<int> oneToSeventy() {
    std::vector<int> all(70);
    std::iota(all.begin(), all.end(), 1);
    return all;
  }
  // How often each number was drawn in the window (after the start, up to the picked date;
  // the number distribution counts the start date too).
  std::array<int, 71> drawnCounts() const {
    std::array<int, 71> counts{};
    for (const auto& record : draws) {
      for (const auto n : record.numbers) ++counts[n];
    }
    return counts;
  }

  CandidatePool pool;
  LastDraws last;
};

TEST_F(PoolPreparationTest, WithEveryOptionOffEachNumberHasOneEntry) {
  create();
  allOptionsOff();
  ASSERT_EQ(prepare(), PoolOutcome::Ready);
  EXPECT_EQ(entries(), oneToSeventy());
}

TEST_F(PoolPreparationTest, TheLastDrawsAreTheShownDrawAndTheTwoBeforeIt) {
  create();
  const std::size_t n = draws.size();
  ASSERT_EQ(form().Position, static_cast<int>(n - 2));  // the midday draw of the last day
  allOptionsOff();
  prepare();
  for (std::size_t d = 0; d < 3; ++d) {
    for (std::size_t i = 0; i < 20; ++i) {
      EXPECT_EQ(last.draws[d][i], draws[n - 2 - d].numbers[i]);
    }
  }
  // The picked date and the shown draw are as before.
  EXPECT_EQ(form().DateTimePicker1.date(), kLastDay);
  EXPECT_EQ(form().Position, static_cast<int>(n - 2));
}

TEST_F(PoolPreparationTest, TheLastDrawsNumbersStartThePool) {
  struct Case {
    int item;
    std::size_t draws;
  };
  for (const Case c : {Case{0, 1}, Case{1, 2}, Case{2, 3}, Case{-1, 0}}) {
    create();
    allOptionsOff();
    form().CheckBox31.setChecked(true);
    form().ComboBox3.setItemIndex(c.item);
    prepare();
    std::vector<int> expected;
    for (std::size_t d = 0; d < c.draws; ++d) {
      expected.insert(expected.end(), last.draws[d].begin(), last.draws[d].end());
    }
    const auto all = oneToSeventy();
    expected.insert(expected.end(), all.begin(), all.end());
    EXPECT_EQ(entries(), expected) << "item " << c.item;
  }
}

TEST_F(PoolPreparationTest, NeighboursOfTheLastDrawGetFourEntries) {
  auto records = generateHistory(kFirstDay, kLastDay, true, 3);
  // The shown draw holds 1 and 70.
  auto& shown = records[records.size() - 2];
  shown.numbers = {1, 70, 10, 20, 30, 40, 50, 60, 5, 15, 25, 35, 45, 55, 65, 3, 13, 23, 33, 43};
  create(records);
  allOptionsOff();
  form().CheckBox19.setChecked(true);
  form().CheckBox15.setChecked(true);  // only the preferred entries
  prepare();
  std::vector<int> expected = {2, 2, 2, 2, 69, 69, 69, 69};
  const auto all = entries();
  EXPECT_EQ(std::vector<int>(all.begin(), all.begin() + 8), expected);
  EXPECT_EQ(weight(2), 4 + 4);  // from 1 and from 3
  EXPECT_EQ(weight(69), 4);
  EXPECT_EQ(weight(1), 0);
  EXPECT_EQ(weight(70), 0);
  EXPECT_EQ(pool.size(), 20u * 8 - 8);
}

TEST_F(PoolPreparationTest, RecentDrawsNumbersAreRemovedWhenTheirMaximumIsZero) {
  create();
  allOptionsOff();
  form().CheckBox31.setChecked(true);
  form().ComboBox3.setItemIndex(2);
  form().CheckBox4.setChecked(true);  // maximum 0: the last draw's numbers go
  form().CheckBox23.setChecked(true);
  form().UpDown11.setPosition(0);  // the third-last draw's too
  prepare();
  NumberSet removed;
  for (const int n : last.draws[0]) removed.add(n);
  for (const int n : last.draws[2]) removed.add(n);
  std::vector<int> expected;
  for (const int n : last.draws[1])
    if (!removed.contains(n)) expected.push_back(n);
  for (int n = 1; n <= 70; ++n)
    if (!removed.contains(n)) expected.push_back(n);
  EXPECT_EQ(entries(), expected);
}

TEST_F(PoolPreparationTest, FrequentAndRareNumberBands) {
  // Ten days; numbers 1..10 in every draw, 11..20 in every other, the rest in turns.
  std::vector<DrawRecord> records;
  for (int day = 0; day < 10; ++day) {
    for (const bool midday : {true, false}) {
      std::vector<int> numbers;
      for (int n = 1; n <= 10; ++n) numbers.push_back(n);
      const int k = day * 2 + (midday ? 0 : 1);
      for (int n = 11; n <= 20; ++n)
        if (k % 2 == 0) numbers.push_back(n);
      for (int i = 0; numbers.size() < 20; ++i) numbers.push_back(21 + (k * 7 + i * 3) % 50);
      records.push_back(makeDraw(kLastDay - 9 + day, numbers, midday));
    }
  }
  create(records);
  allOptionsOff();
  ASSERT_TRUE(form().DateTimePicker2.setDate(kLastDay - 30));
  form().CheckBox2.setChecked(true);
  form().UpDown12.setPosition(30);
  form().CheckBox14.setChecked(true);
  form().UpDown14.setPosition(30);
  form().CheckBox15.setChecked(true);
  platform.statusLines.clear();
  prepare();

  std::array<int, 71> counts = drawnCounts();
  const int lo = *std::min_element(counts.begin() + 1, counts.end());
  const int hi = *std::max_element(counts.begin() + 1, counts.end());
  ASSERT_EQ(hi, 20);
  auto r = [](double x) { return static_cast<int>(std::nearbyint(x)); };
  const int frequent1 = r(hi - 0.3 * (hi - lo));
  const int frequent2 = r(hi - 0.15 * (hi - lo));
  const int rare1 = r(lo + 0.3 * (hi - lo));
  const int rare2 = r(lo + 0.15 * (hi - lo));
  for (int n = 1; n <= 70; ++n) {
    const int c = counts[static_cast<std::size_t>(n)];
    const int expected = (c >= frequent1) * 2 + (c >= frequent2) + (c <= rare1) * 2 + (c <= rare2);
    EXPECT_EQ(weight(n), expected) << n << " drawn " << c;
  }
  const std::vector<std::string> expectedLines = {
      "Calculation of the number distribution",
      "Min: " + std::to_string(frequent1) + "  Max: 20  0",
  };
  ASSERT_GE(platform.statusLines.size(), 5u);
  EXPECT_EQ(platform.statusLines[0], expectedLines[0]);
  EXPECT_EQ(platform.statusLines[1], expectedLines[1]);
  EXPECT_EQ(platform.statusLines[2].rfind("Min: " + std::to_string(frequent2) + "  Max: 20  ", 0),
            0u);
  EXPECT_EQ(platform.statusLines[3].rfind(
                "Min: " + std::to_string(lo) + "  Max: " + std::to_string(rare1) + "  ", 0),
            0u);
}

TEST_F(PoolPreparationTest, BandLines) {
  EXPECT_EQ(bandLine(170, 200, 35, false), "Min: 170  Max: 200  35");
  EXPECT_EQ(bandLine(0, 12, 7, true), "Min: 0 Max: 12  7");
}

TEST_F(PoolPreparationTest, RarePairsNeverTakeAPairNotDrawn) {
  create();
  allOptionsOff();
  form().CheckBox11.setChecked(true);
  form().CheckBox15.setChecked(true);
  prepare();
  // Every pair in the pool was drawn at least once: its two numbers come in together.
  const auto& bars = form().Chart1.series(2).bars;
  ASSERT_EQ(bars.size(), 69u);
  std::array<int, 71> expected{};
  const double lo = form().Chart1.leftAxis().min;
  const double hi = form().Chart1.leftAxis().max;
  const double max = std::nearbyint(lo + 0.3 * (hi - lo));
  for (std::size_t e = 0; e < bars.size(); ++e) {
    if (bars[e].y > 0 && bars[e].y <= max) {
      ++expected[e + 1];
      ++expected[e + 2];
    }
  }
  EXPECT_EQ(pool.weights(), expected);
  EXPECT_EQ(platform.statusLines.front(), "Calculation of pair production");
}

// R(x) for x = numerator / 10, an exact half to the even neighbour, worked out by hand.
int roundTenths(int tenths) {
  const int whole = tenths / 10;
  const int rest = tenths % 10;
  return rest > 5 || (rest == 5 && whole % 2 != 0) ? whole + 1 : whole;
}

TEST_F(PoolPreparationTest, GroupRowsAddTheGroupsOfTheirBands) {
  struct Case {
    const char* what;
    CheckBox Form::*frequent;
    CheckBox Form::*rare;
    bool frequentOn;
    bool rareOn;
    int size;
    const char* statusText;
    const char* maxSeparator;  // of the last band line
  };
  const Case cases[] = {
      {"frequent pairs", &Form::CheckBox1, &Form::CheckBox11, true, false, 2,
       "Calculation of pair production", "  Max: "},
      {"rare pairs", &Form::CheckBox1, &Form::CheckBox11, false, true, 2,
       "Calculation of pair production", "  Max: "},
      {"both pair rows, one statistic", &Form::CheckBox1, &Form::CheckBox11, true, true, 2,
       "Calculation of pair production", "  Max: "},
      {"frequent triples", &Form::CheckBox6, &Form::CheckBox12, true, false, 3,
       "Calculation of triplet formation", "  Max: "},
      {"rare triples", &Form::CheckBox6, &Form::CheckBox12, false, true, 3,
       "Berechnung der Dreiergruppenbildung", "  Max: "},
      {"frequent four-groups", &Form::CheckBox7, &Form::CheckBox13, true, false, 4,
       "Calculation of the four group formation", "  Max: "},
      {"rare four-groups", &Form::CheckBox7, &Form::CheckBox13, false, true, 4,
       "Calculation of the four group formation", " Max: "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    create();
    allOptionsOff();
    form().CheckBox15.setChecked(true);
    (form().*c.frequent).setChecked(c.frequentOn);
    (form().*c.rare).setChecked(c.rareOn);
    platform.statusLines.clear();
    prepare();
    const auto& lines = platform.statusLines;
    EXPECT_EQ(std::count(lines.begin(), lines.end(), c.statusText), 1);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_NE(lines.back().find(c.maxSeparator), std::string::npos) << lines.back();
    if (std::string(c.maxSeparator) == " Max: ") {
      EXPECT_EQ(lines.back().find("  Max: "), std::string::npos) << lines.back();
    }

    // The range of the chart the statistic left: a fixed axis, or 0 to the largest bar.
    const Chart& chart = form().Chart1;
    const auto& bars = chart.series(2).bars;
    int lo = 0;
    int hi = 0;
    for (const auto& bar : bars) hi = std::max(hi, static_cast<int>(bar.y));
    if (!chart.leftAxis().automatic) {
      lo = static_cast<int>(chart.leftAxis().min);
      hi = static_cast<int>(chart.leftAxis().max);
    }
    const int frequentMin = roundTenths(10 * hi - 3 * (hi - lo));
    const int rareMax = roundTenths(10 * lo + 3 * (hi - lo));
    std::array<int, 71> expected{};
    for (std::size_t e = 0; e < bars.size(); ++e) {
      const int v = static_cast<int>(bars[e].y);
      const int first = static_cast<int>(e) + 1;
      if (first + c.size - 1 > 70) continue;
      const int times =
          (c.frequentOn && v > frequentMin && v <= hi) + (c.rareOn && v > 0 && v <= rareMax);
      for (int i = 0; i < c.size; ++i) expected[static_cast<std::size_t>(first + i)] += times;
    }
    EXPECT_EQ(pool.weights(), expected);
    EXPECT_GT(pool.size(), 0u);
  }
}

TEST_F(PoolPreparationTest, OverdueNumbersWriteTheirFirstBandLineWithOneBlank) {
  create();
  allOptionsOff();
  form().CheckBox15.setChecked(true);
  form().CheckBox10.setChecked(true);
  platform.statusLines.clear();
  prepare();
  const auto& lines = platform.statusLines;
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "Calculation of the outstanding numbers");
  EXPECT_NE(lines[1].find(" Max: "), std::string::npos);
  EXPECT_EQ(lines[1].find("  Max: "), std::string::npos);
  EXPECT_NE(lines[2].find("  Max: "), std::string::npos);
  // Pass 2's line counts the entries of pass 1.
  std::size_t firstPass = 0;
  for (int n = 1; n <= 70; ++n) firstPass += weight(n) >= 2 ? 2 : 0;
  EXPECT_EQ(lines[2].substr(lines[2].rfind("  ") + 2), std::to_string(firstPass));
}

TEST_F(PoolPreparationTest, AHugeWeightFromAValueListIsCapped) {
  create();
  allOptionsOff();
  form().CheckBox20.setChecked(true);
  platform.applyChoiceSteps = [&](const std::vector<std::string>&) {
    form1->Form6.setWeight(3, "2000000000");
    form1->Form6.setWeight(4, "-7");
  };
  platform.queueChoice({ModalResult::Retry, {}});
  ASSERT_EQ(prepare(), PoolOutcome::Ready);
  EXPECT_EQ(weight(3), 100000);
  EXPECT_EQ(weight(4), 1);  // a ticked number keeps one entry
  EXPECT_EQ(weight(5), 1);
}

TEST_F(PoolPreparationTest, DateInAllYearsSkipsYearsWithout29February) {
  // One draw on 29 February and 1 March of every year 2019..2024, each marked by its first
  // number (the year's last two digits) and its second (29 or 1).
  std::vector<DrawRecord> records;
  for (int year = 2019; year <= 2024; ++year) {
    for (const int day : {29, 1}) {
      const int month = day == 29 ? 2 : 3;
      if (!isValidDate(year, month, day)) continue;
      std::vector<int> numbers = {year - 2000, day == 29 ? 29 : 1};
      for (int n = 40; numbers.size() < 20; ++n) numbers.push_back(n);
      records.push_back(makeDraw(encodeDate(year, month, day), numbers));
    }
  }
  records.push_back(makeDraw(encodeDate(2024, 6, 20), {50, 51, 52, 53, 54, 55, 56, 57, 58, 59,
                                                       60, 61, 62, 63, 64, 65, 66, 67, 68, 69}));
  // The history reaches into 2024: a draw after today would count as damaged.
  platform.fixClock(encodeDate(2024, 6, 20) + 0.5);
  create(records);
  allOptionsOff();
  form().CheckBox15.setChecked(true);
  form().CheckBox30.setChecked(true);
  ASSERT_TRUE(form().DateTimePicker3.setDate(encodeDate(2024, 2, 29)));
  ASSERT_TRUE(form().DateTimePicker2.setDate(encodeDate(2019, 1, 1)));
  const DayCount picked = form().DateTimePicker1.date();
  prepare();
  // 2020 and 2024 only.
  EXPECT_EQ(weight(20), 1);
  EXPECT_EQ(weight(24), 1);
  EXPECT_EQ(weight(19) + weight(21) + weight(22) + weight(23), 0);
  EXPECT_EQ(weight(29), 2);
  EXPECT_EQ(weight(1), 0);
  EXPECT_EQ(form().DateTimePicker1.date(), picked);
}

TEST_F(PoolPreparationTest, TheEditListConfirmsChangesOrCancels) {
  struct Case {
    ModalResult result;
    PoolOutcome outcome;
    bool rebuilt;
  };
  for (const Case c : {Case{ModalResult::Retry, PoolOutcome::Ready, true},
                       Case{ModalResult::Ok, PoolOutcome::Ready, false},
                       Case{ModalResult::Abort, PoolOutcome::Cancelled, false},
                       Case{ModalResult::Cancel, PoolOutcome::Cancelled, false}}) {
    create();
    allOptionsOff();
    form().CheckBox31.setChecked(true);
    form().ComboBox3.setItemIndex(0);
    form().CheckBox20.setChecked(true);
    form1->Form6.setCaption("left over");
    std::array<int, 71> shown{};
    platform.applyChoiceSteps = [&](const std::vector<std::string>&) {
      // The dialog shows the pool: ticks and weights; the user unticks 5 and weighs 9 oddly.
      for (int n = 1; n <= 70; ++n) shown[n] = std::stoi(form1->Form6.box(n).weight);
      EXPECT_EQ(form1->Form6.caption(), NumberChoiceModel::kDesignCaption);
      form1->Form6.setChecked(5, false);
      form1->Form6.setChecked(9, true);
      form1->Form6.setWeight(9, "x");
      form1->Form6.setWeight(10, "3");
    };
    platform.queueChoice({c.result, {}});
    const auto before = pool.weights();
    ASSERT_EQ(prepare(), c.outcome);
    std::array<int, 71> expected{};
    for (int n = 1; n <= 70; ++n) expected[n] = 1;
    for (const int n : last.draws[0]) ++expected[static_cast<std::size_t>(n)];
    EXPECT_EQ(shown, expected);
    if (c.rebuilt) {
      expected[5] = 0;
      expected[9] = 1;
      expected[10] = 3;
      EXPECT_EQ(pool.weights(), expected);
      EXPECT_TRUE(std::is_sorted(pool.entries().begin(), pool.entries().end()));
    } else if (c.outcome == PoolOutcome::Ready) {
      EXPECT_EQ(pool.weights(), expected);
    }
    (void)before;
  }
}

}  // namespace
}  // namespace numora::test
