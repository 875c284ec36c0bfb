// Draw histories for tests and benchmarks.
#pragma once

#include <string>
#include <vector>

#include "common/day_date.h"
#include "draws/draw_record.h"

namespace numora::test {

// A draw on a date with the given numbers (missing numbers stay 0).
DrawRecord makeDraw(DayCount date, std::vector<int> numbers, bool midday = false);

// A history of random distinct numbers: one evening draw a day, or a midday and an evening draw
// a day for Daily Keno, from first to last (inclusive). Same seed, same history.
std::vector<DrawRecord> generateHistory(DayCount first, DayCount last, bool twoPerDay,
                                        unsigned seed = 1);

// The path of a file in the test data folder.
std::string testData(const std::string& name);

}  // namespace numora::test
