// A month's results page as the update run reads it: the page checks, then for every day of the
// month each draw sought located and its row read. Only 20 distinct numbers 1..70 may pass as
// a draw, and what the scan hands on is always a piece of the page.
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "import/page_scan.h"
#include "import/results_page_check.h"

namespace {

using namespace numora;
using fuzz::require;

bool isInside(std::string_view piece, std::string_view page) {
  if (piece.empty()) return true;
  const auto* begin = page.data();
  return piece.data() >= begin && piece.data() + piece.size() <= begin + page.size();
}

void checkDraw(std::string_view page, DayCount day, DrawSought which) {
  const auto rest = locateDraw(page, day, which);
  if (!rest) return;
  require(isInside(*rest, page), "the located draw is not part of the page");
  if (rest->empty()) return;
  const ReadNumbers read = readNumbers(*rest);
  if (read.result != ReadNumbers::Result::Numbers || !isValidDraw(read.numbers)) return;
  std::array<std::uint8_t, 20> numbers{};
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    require(read.numbers[i] >= 1 && read.numbers[i] <= 70, "a read number outside 1..70");
    numbers[i] = static_cast<std::uint8_t>(read.numbers[i]);
  }
  require(fuzz::isWholeDraw(numbers), "a read draw is no 20 distinct numbers");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The first byte picks the month (the seed pages are of May and June 2023), the rest is the
  // page.
  if (size < 1) return 0;
  const int months = 2023 * 12 + 5 - data[0] % 36;  // June 2023 and the 35 months before
  const int year = months / 12;
  const int month = months % 12 + 1;
  const std::string_view page = fuzz::asText(data + 1, size - 1);

  (void)isCompletePage(page);
  (void)listsMonth(page, year, month);
  const DayCount first = encodeDate(year, month, 1);
  for (DayCount day = first; decodeDate(day).month == month; day += 1) {
    for (const DrawSought which : {DrawSought::First, DrawSought::Midday, DrawSought::Evening}) {
      checkDraw(page, day, which);
    }
    (void)missingDrawMessage(day, "evening draw");
  }
  (void)emptyMonthMessage(first);
  (void)incompletePageMessage(first);
  return 0;
}
