// Pairs, triples and four-groups of consecutive numbers drawn together in the statistics window:
// one bar per group at its first number.
#pragma once

#include <array>
#include <optional>
#include <span>

#include "draws/current_draw.h"
#include "stats/statistics_chart.h"
#include "stats/statistics_window.h"

namespace numora {

enum class GroupKind { Pairs, Triples, FourGroups };

struct GroupCounts {
  std::array<int, 71> counters{};  // counters[n]: draws holding the group that starts at n
  int draws = 0;                   // N
  int found = 0;                   // M
};

// Counts the groups of groupSize consecutive numbers whose first number lies in 1..lastFirst.
// A group is found in a draw when the tip matching, comparing all of the group's numbers, counts
// each of them as a hit. The tip size the user plays has nothing to do with it.
GroupCounts countGroups(const StatisticsWindow& window, int groupSize, int lastFirst);
// The groups of one kind: pairs starting at 1..69, triples and four-groups at 1..68.
GroupCounts countGroups(const StatisticsWindow& window, GroupKind kind);

// The values the chart shows as bars, the first at x = 1: 69 pairs, 68 triples, 70 four-groups
// (the last two never found).
std::span<const int> groupBars(const GroupCounts& counts, GroupKind kind);
// The range of the chart's value axis: fixed for pairs and triples, automatic for four-groups.
AxisRange groupValueRange(const GroupCounts& counts, GroupKind kind);

// Chart1 from the counts: the bars, the value axis and the totals under the chart.
void fillGroupChart(Chart& chart, const GroupCounts& counts, GroupKind kind);

// The search as its button runs it on the window the form sets: charted, the "Chart" tab shown,
// the window's last draw left in Zahl with the last probe's hits, and the counts returned for
// whoever builds on them; nothing when there is no draw file.
std::optional<GroupCounts> runGroupSearch(DrawContext context, GroupKind kind);

// The buttons of the "Chart" tab; each reports its totals under the chart.
void countPairs(DrawContext context);
void countTriples(DrawContext context);
void countFourGroups(DrawContext context);

}  // namespace numora
