// The tip list as the calculation's comparison table reads it: any text as the list, then every
// row compared with tips of each size. Reading the list whole agrees with reading it line by
// line up to the first unreadable line; the rows after it, or after the list, stay empty; a
// comparison counts only what the row holds.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/text.h"
#include "fuzz/fuzz_support.h"
#include "generator/comparison_table.h"

namespace {

using namespace numora;
using fuzz::require;

Candidate candidateOf(int size, int first) {
  Candidate candidate;
  candidate.size = size;
  for (int i = 1; i <= size; ++i) candidate.tipp[static_cast<std::size_t>(i)] = first + 7 * (i - 1);
  return candidate;
}

bool sameRow(const ComparisonTable::Row& a, const ComparisonTable::Row& b) {
  return a.count == b.count && a.numbers == b.numbers;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> lines = splitLines(fuzz::asText(data, size));
  auto table = std::make_unique<ComparisonTable>();
  const bool whole = table->read(lines);

  auto single = std::make_unique<ComparisonTable>();
  bool stopped = false;
  for (int k = 1; k <= ComparisonTable::kRows; ++k) {
    const auto& row = table->row(k);
    require(row.count >= 0 && row.count <= ComparisonTable::kRowNumbers, "a row holds too many");
    if (stopped || static_cast<std::size_t>(k) > lines.size()) {
      require(row.count == 0, "a row after the list or after an unreadable line holds numbers");
    } else {
      stopped = !single->read({lines[static_cast<std::size_t>(k - 1)]});
      require(sameRow(row, single->row(1)), "a row reads otherwise within the list than alone");
    }
    for (int tipSize = 2; tipSize <= 10; ++tipSize) {
      const Candidate candidate = candidateOf(tipSize, k % 7 + 1);
      int expected = 0;
      for (const int number : candidate.numbers()) {
        for (int j = 0; j < tipSize; ++j) {
          expected += row.numbers[static_cast<std::size_t>(j)] == number;
        }
      }
      require(table->common(k, candidate) == expected, "a comparison counted what the row lacks");
    }
  }
  require(whole == !stopped, "the reading's verdict disagrees with its rows");
  table->clearFrom(1);
  for (int k = 1; k <= ComparisonTable::kRows; ++k) {
    require(table->row(k).count == 0, "an emptied row holds numbers");
  }
  return 0;
}
