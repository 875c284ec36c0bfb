// Pairs, triples and four-groups of consecutive numbers drawn together in the statistics window:
// one bar per group at its first number.
#pragma once

#include <array>

#include "draws/current_draw.h"
#include "stats/statistics_window.h"

namespace numora {

struct GroupCounts {
  std::array<int, 71> counters{};  // counters[n]: draws holding the group that starts at n
  int draws = 0;                   // N
  int found = 0;                   // M
};

// Counts the groups of groupSize consecutive numbers whose first number lies in 1..lastFirst.
// A group is found in a draw when the tip matching, comparing all of the group's numbers, counts
// each of them as a hit. The tip size the user plays has nothing to do with it.
GroupCounts countGroups(const StatisticsWindow& window, int groupSize, int lastFirst);

// Each search charts its counts and reports the totals in a message box.
void countPairs(DrawContext context);
void countTriples(DrawContext context);
void countFourGroups(DrawContext context);

}  // namespace numora
