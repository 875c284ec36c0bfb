// The comparison table: the tips a candidate is compared with (filter 1). When a calculation
// starts it holds the tips already in the tip list; each accepted tip is written into its row.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "evaluation/number_set.h"
#include "generator/candidate.h"

namespace numora {

class ComparisonTable {
 public:
  static constexpr int kRows = 120;
  static constexpr int kRowNumbers = 26;

  struct Row {
    std::array<int, kRowNumbers> numbers{};  // in the order of the tip text, 0 = empty
    int count = 0;
  };

  // Reads the tip list into rows 1..: each field between commas must be a whole number (blanks
  // around it allowed); a row keeps its first 26 numbers. Only the first 120 lines are read.
  // False at the first field that is not a whole number: that row keeps the numbers read
  // before it, the later rows stay empty.
  bool read(const std::vector<std::string>& lines);
  // Empties rows first..120.
  void clearFrom(int first);
  void setRow(int row, const Candidate& candidate);
  const Row& row(int number) const { return rows_.at(static_cast<std::size_t>(number - 1)); }

  // The numbers the candidate shares with row k, comparing the first size numbers of the row
  // (a number the row holds twice counts twice).
  int common(int row, const Candidate& candidate) const;

 private:
  std::array<Row, kRows> rows_{};
};

}  // namespace numora
