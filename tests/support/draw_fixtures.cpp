#include "support/draw_fixtures.h"

#include <algorithm>
#include <numeric>
#include <random>

namespace numora::test {

DrawRecord makeDraw(DayCount date, std::vector<int> numbers, bool midday) {
  DrawRecord record;
  record.date = date;
  for (std::size_t i = 0; i < numbers.size() && i < DrawRecord::kNumbers; ++i) {
    record.numbers[i] = static_cast<std::uint8_t>(numbers[i]);
  }
  record.extra[0] = midday ? 1 : 0;
  return record;
}

std::vector<DrawRecord> generateHistory(DayCount first, DayCount last, bool twoPerDay,
                                        unsigned seed) {
  std::mt19937 engine(seed);
  std::vector<int> all(70);
  std::iota(all.begin(), all.end(), 1);
  std::vector<DrawRecord> records;
  auto draw = [&](DayCount date, bool midday) {
    std::shuffle(all.begin(), all.end(), engine);
    records.push_back(makeDraw(date, std::vector<int>(all.begin(), all.begin() + 20), midday));
  };
  for (DayCount date = first; date <= last; ++date) {
    if (twoPerDay) draw(date, true);
    draw(date, false);
  }
  return records;
}

std::string testData(const std::string& name) {
  return std::string(NUMORA_TEST_DATA) + "/" + name;
}

}  // namespace numora::test
