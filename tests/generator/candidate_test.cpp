#include "generator/candidate.h"

#include <gtest/gtest.h>

#include <set>

#include "generator/calculation_run.h"
#include "generator/comparison_table.h"

namespace numora {
namespace {

Candidate tip(std::vector<int> numbers) {
  Candidate candidate;
  candidate.size = static_cast<int>(numbers.size());
  for (std::size_t i = 0; i < numbers.size(); ++i) candidate.tipp[i + 1] = numbers[i];
  return candidate;
}

TEST(CandidateTest, ScaledCrossSum) {
  struct Case {
    int sum, size, scaled;
  };
  const Case cases[] = {
      {15, 5, 60},                    // 1..5
      {355, 10, 710}, {121, 8, 302},  // 302.5, to even
      {123, 8, 308},                  // 307.5, to even
      {125, 8, 312},                  // 312.5
      {0, 4, 0},      {46, 3, 307},   // 306.67
      {139, 2, 1390},
  };
  for (const auto& c : cases) EXPECT_EQ(scaledCrossSum(c.sum, c.size), c.scaled) << c.sum;
}

TEST(CandidateTest, StatusLineAndTipLine) {
  Candidate candidate = tip({4, 17, 25});
  candidate.crossSum = 307;
  EXPECT_EQ(candidateStatusLine(3, candidate), "3.Tip:   4 17 25 CS: 307");
  EXPECT_EQ(tipLine(candidate), "04,17,25");
  EXPECT_EQ(tipLine(tip({1, 2, 3, 9, 10, 33, 45, 60, 69, 70})), "01,02,03,09,10,33,45,60,69,70");
}

TEST(CandidateTest, DrawsDistinctSortedNumbersFromThePool) {
  CandidatePool pool;
  // Heavy weights on few numbers make repeats likely; slot 0 is drawn too.
  pool.add(5, 50);
  pool.add(9, 50);
  pool.add(2);
  pool.add(70, 3);
  Random random(7);
  Candidate candidate;
  for (int run = 0; run < 500; ++run) {
    drawCandidate(candidate, 4, pool, random);
    EXPECT_EQ(candidate.numbers().size(), 4u);
    EXPECT_EQ(std::set<int>(candidate.numbers().begin(), candidate.numbers().end()),
              (std::set<int>{2, 5, 9, 70}));
    EXPECT_TRUE(std::is_sorted(candidate.numbers().begin(), candidate.numbers().end()));
    EXPECT_EQ(candidate.crossSum, scaledCrossSum(86, 4));
    EXPECT_EQ(candidate.tipp[5], 0);
  }
}

TEST(CandidateTest, TheSameSeedDrawsTheSameCandidates) {
  CandidatePool pool;
  for (int n = 1; n <= 70; ++n) pool.add(n, n % 3 + 1);
  Random first(123);
  Random second(123);
  Candidate a;
  Candidate b;
  for (int run = 0; run < 100; ++run) {
    drawCandidate(a, 10, pool, first);
    drawCandidate(b, 10, pool, second);
    ASSERT_EQ(a.tipp, b.tipp);
  }
}

TEST(CandidatePoolTest, RemovalKeepsTheOrderOfTheRest) {
  CandidatePool pool;
  for (const int n : {7, 3, 9, 3, 12, 7, 1}) pool.add(n);
  NumberSet removed;
  removed.add(3);
  removed.add(1);
  pool.removeNumbers(removed);
  EXPECT_EQ(pool.entries(), (std::vector<std::uint8_t>{7, 9, 12, 7}));
  EXPECT_EQ(pool.slot(0), 0);
  EXPECT_EQ(pool.slot(2), 9);
  EXPECT_EQ(pool.distinctNumbers(), 3);
  // Out of range: nothing is added.
  pool.add(0);
  pool.add(71, 3);
  EXPECT_EQ(pool.size(), 4u);
}

TEST(ComparisonTableTest, ReadsTipLines) {
  struct Case {
    std::vector<std::string> lines;
    bool readable;
    std::vector<std::vector<int>> rows;
  };
  const Case cases[] = {
      {{"01,02,03", " 4 , 5,6 "}, true, {{1, 2, 3}, {4, 5, 6}}},
      // An empty line stops the reading; the rows before it stay.
      {{"01,02", "", "03,04"}, false, {{1, 2}, {}, {}}},
      // A bad field: the row keeps the numbers before it.
      {{"07,08,x9,10", "11"}, false, {{7, 8}, {}}},
      {{"05,", "06"}, false, {{5}, {}}},
      {{"1 2,3"}, false, {{}}},
  };
  for (const auto& c : cases) {
    ComparisonTable table;
    EXPECT_EQ(table.read(c.lines), c.readable);
    for (std::size_t k = 0; k < c.rows.size(); ++k) {
      const auto& row = table.row(static_cast<int>(k) + 1);
      EXPECT_EQ(std::vector<int>(row.numbers.begin(), row.numbers.begin() + row.count), c.rows[k])
          << "row " << k + 1;
    }
  }
}

TEST(ComparisonTableTest, KeepsTheFirst26NumbersAndOnly120Lines) {
  std::string line;
  for (int n = 1; n <= 30; ++n) line += (n > 1 ? "," : "") + std::to_string(n);
  std::vector<std::string> lines(130, "01,02");
  lines[0] = line;
  lines[125] = "bad";  // never read
  ComparisonTable table;
  EXPECT_TRUE(table.read(lines));
  EXPECT_EQ(table.row(1).count, 26);
  EXPECT_EQ(table.row(1).numbers[25], 26);
  EXPECT_EQ(table.row(120).count, 2);
}

TEST(ComparisonTableTest, CommonNumbersCompareTheFirstSizeNumbersOfARow) {
  ComparisonTable table;
  ASSERT_TRUE(table.read({"01,02,03,40,50", "05,05,01", "60,61,62,01"}));
  const Candidate candidate = tip({1, 2, 5});
  EXPECT_EQ(table.common(1, candidate), 2);  // 1, 2 (40 and 50 lie past the tip size)
  EXPECT_EQ(table.common(2, candidate), 3);  // 5 twice and 1
  EXPECT_EQ(table.common(3, candidate), 0);  // 01 is the fourth number
}

}  // namespace
}  // namespace numora
