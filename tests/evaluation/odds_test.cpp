// The odds of one tip against the exact fractions of tests/data/odds-reference.txt (written by
// odds_reference.py with Python's fractions), the law of hit counts from Boost against the exact
// counts, the texts of the "Odds" tab and what it shows for the form's settings.
#include <gtest/gtest.h>

#include <fstream>
#include <numeric>
#include <sstream>
#include <stdexcept>
#include <string>

#include "evaluation/hit_law.h"
#include "evaluation/odds.h"
#include "evaluation/odds_page.h"
#include "evaluation/odds_text.h"

namespace numora {
namespace {

Ratio parseRatio(const std::string& text) {
  const auto slash = text.find('/');
  return {std::stoull(text.substr(0, slash)), std::stoull(text.substr(slash + 1))};
}

TEST(Odds, EveryTableMatchesTheExactReference) {
  std::ifstream reference(NUMORA_TEST_DATA "/odds-reference.txt");
  ASSERT_TRUE(reference) << "missing odds-reference.txt";
  int rowsChecked = 0;
  int tablesChecked = 0;
  std::string line;
  while (std::getline(reference, line)) {
    std::istringstream fields(line);
    std::string kind;
    int lottery = 0;
    int size = 0;
    fields >> kind >> lottery >> size;
    SCOPED_TRACE(line);
    const OddsTable table = oddsTable(lottery, size);
    if (kind == "row") {
      int hits = 0;
      std::string probability, share;
      long long prize = 0;
      fields >> hits >> probability >> prize >> share;
      const OddsRow& row = table.rows.at(static_cast<std::size_t>(hits));
      EXPECT_EQ(row.hits, hits);
      EXPECT_EQ(row.probability, parseRatio(probability));
      EXPECT_EQ(row.prize, prize);
      EXPECT_EQ(row.returnShare, parseRatio(share));
      ++rowsChecked;
    } else {
      std::string expected, win;
      fields >> expected >> win;
      EXPECT_EQ(table.expectedReturn, parseRatio(expected));
      EXPECT_EQ(table.winChance, parseRatio(win));
      EXPECT_EQ(table.rows.size(), static_cast<std::size_t>(size) + 1);
      ++tablesChecked;
    }
  }
  // Both lotteries, sizes 2..10, hits 0..size: 2 * (3 + 4 + ... + 11) rows.
  EXPECT_EQ(tablesChecked, 18);
  EXPECT_EQ(rowsChecked, 2 * 63);
}

TEST(Odds, ProbabilitiesOfAllHitCountsSumToOne) {
  for (int size = 2; size <= 10; ++size) {
    SCOPED_TRACE(size);
    const OddsTable table = oddsTable(1, size);
    std::uint64_t ways = 0;
    for (const OddsRow& row : table.rows) ways += row.ways;
    EXPECT_EQ(ways, table.allTips);  // exactly

    const auto law = hitProbabilities(size);
    EXPECT_NEAR(std::accumulate(law.begin(), law.end(), 0.0), 1.0, 1e-12);
    // The library's law and the exact counts agree on every hit count.
    for (const OddsRow& row : table.rows) {
      EXPECT_NEAR(law.at(static_cast<std::size_t>(row.hits)) / row.probability.value(), 1.0, 1e-12);
    }
  }
}

TEST(HitLaw, TwoDrawsShareNumbersByTheSameLaw) {
  // Two draws of 20: too many tips to count exactly, so counting refuses instead of wrapping.
  const auto law = hitProbabilities(20);
  ASSERT_EQ(law.size(), 21u);
  EXPECT_NEAR(std::accumulate(law.begin(), law.end(), 0.0), 1.0, 1e-12);
  EXPECT_NEAR(law[20], 1.0 / 161884603662657876.0, 1e-30);  // 1 / C(70, 20)
  EXPECT_THROW(hitWays(20), std::overflow_error);
}

TEST(HitLaw, RefusesSizesThatMakeNoDraw) {
  EXPECT_THROW(hitProbabilities(71), std::invalid_argument);
  EXPECT_THROW(hitProbabilities(-1), std::invalid_argument);
  EXPECT_THROW(hitWays(5, 80, 70), std::invalid_argument);
  EXPECT_THROW(oddsTable(0, 1), std::invalid_argument);
  EXPECT_THROW(oddsTable(1, 11), std::invalid_argument);
}

TEST(OddsText, FormatsChancesAndShares) {
  struct Case {
    Ratio chance;
    const char* text;
  };
  const Case cases[] = {
      {{1, 3}, "1 in 3.00"},
      {{10000, 99960}, "1 in 10.0"},  // 9.996 reads as 10, so with one decimal
      {{1, 10}, "1 in 10.0"},
      {{10000, 9999960}, "1 in 1,000"},
      {{1, 999}, "1 in 999.0"},
      {{184756, 396704524216}, "1 in 2,147,181"},
      {{0, 7}, "never"},
  };
  for (const Case& c : cases) EXPECT_EQ(oneIn(c.chance).written(), c.text);
  EXPECT_EQ(percentOf({1, 3}).written(), "33.3 %");
  EXPECT_EQ(percentOf({1, 1}).written(), "100.0 %");
}

TEST(OddsPage, ShowsTheNumbersPerTipOrEverySize) {
  Form form;
  form.RadioGroup1.setItemIndex(0);
  form.UpDown18.setPosition(10);
  showOdds(form);
  EXPECT_EQ(form.OddsTitle.caption(),
            "Keno Atlantic: the chance of each hit count for one tip and its prize per unit stake");
  ASSERT_EQ(form.OddsGrid.rows().size(), 11u);
  EXPECT_EQ(form.OddsGrid.rows().front(),
            (std::vector<std::string>{"10", "10", "1 in 2,147,181", "250000", "20.8 %"}));
  EXPECT_EQ(form.OddsGrid.rows()[5], (std::vector<std::string>{"10", "5", "1 in 12.1", "-", "-"}));
  EXPECT_EQ(form.OddsMemo.text(),
            "10 numbers per tip: on average a stake of 1 returns 0.56; the chance of winning "
            "anything is 1 in 19.0.");
  // The grid and the memo keep values, which the window writes in the user's locale.
  const NumberFormat french{"\u00a0", ",", true};
  const auto& top = form.OddsGrid.shownRows().front();
  EXPECT_EQ(top[2].written(french), "1 in 2\u00a0147\u00a0181");
  EXPECT_EQ(top[3].written(french), "250\u00a0000");
  EXPECT_EQ(top[4].written(french), "20,8 %");
  EXPECT_EQ(form.OddsMemo.shownText().written(french),
            "10 numbers per tip: on average a stake of 1 returns 0,56; the chance of winning "
            "anything is 1 in 19,0.");

  form.RadioGroup1.setItemIndex(1);
  form.OddsAllSizesCheckBox.setChecked(true);
  showOdds(form);
  EXPECT_EQ(form.OddsGrid.rows().size(), 63u);
  EXPECT_EQ(form.OddsGrid.rows().front().front(), "2");
  EXPECT_EQ(form.OddsGrid.rows().back().front(), "10");
  EXPECT_EQ(std::count(form.OddsMemo.text().begin(), form.OddsMemo.text().end(), '\n'), 8);
  EXPECT_EQ(oddsLines(form).size(), 2u + 63u + 9u);
}

}  // namespace
}  // namespace numora
