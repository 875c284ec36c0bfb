#include "generator/comparison_table.h"

#include "common/text.h"

namespace numora {
namespace {

// A whole number, blanks around it allowed.
std::optional<int> wholeNumber(std::string_view field) {
  return parseStrictInt(trim(field));
}

}  // namespace

bool ComparisonTable::read(const std::vector<std::string>& lines) {
  rows_ = {};
  const std::size_t readable = std::min<std::size_t>(lines.size(), kRows);
  for (std::size_t k = 0; k < readable; ++k) {
    Row& row = rows_[k];
    const std::string text = lines[k] + ",";
    std::string_view rest = text;
    while (!rest.empty()) {
      const auto comma = rest.find(',');
      const auto number = wholeNumber(rest.substr(0, comma));
      if (!number) return false;
      // Every field is read; a row keeps only the first 26 numbers.
      if (row.count < kRowNumbers) row.numbers[static_cast<std::size_t>(row.count++)] = *number;
      rest.remove_prefix(comma + 1);
    }
  }
  return true;
}

void ComparisonTable::clearFrom(int first) {
  for (int k = std::max(first, 1); k <= kRows; ++k) rows_[static_cast<std::size_t>(k - 1)] = Row{};
}

void ComparisonTable::setRow(int row, const Candidate& candidate) {
  Row& target = rows_.at(static_cast<std::size_t>(row - 1));
  target = Row{};
  for (const int number : candidate.numbers()) {
    target.numbers[static_cast<std::size_t>(target.count++)] = number;
  }
}

int ComparisonTable::common(int row, const Candidate& candidate) const {
  const Row& compared = rows_[static_cast<std::size_t>(row - 1)];
  int shared = 0;
  for (const int number : candidate.numbers()) {
    for (int j = 0; j < candidate.size; ++j)
      shared += compared.numbers[static_cast<std::size_t>(j)] == number;
  }
  return shared;
}

}  // namespace numora
