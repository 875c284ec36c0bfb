#include "stats/group_search.h"

#include <algorithm>
#include <bit>
#include <span>
#include <string>

#include "common/translatable.h"
#include "evaluation/zettelcheck.h"
#include "form/wait_cursor.h"
#include "stats/statistics_chart.h"

namespace numora {
namespace {

constexpr int kProbeFields = 6;

struct GroupSearchKind {
  int size;
  int lastFirst;
  int bars;
  bool fixedAxis;
  const char* title;  // %1: the draws searched, %2: the groups found
};

constexpr GroupSearchKind kPairs{2, 69, 69, true,
                                 NUMORA_TRANSLATABLE("Numora", "at %1 draws was found %2 pairs !")};
constexpr GroupSearchKind kTriples{
    3, 68, 68, true, NUMORA_TRANSLATABLE("Numora", "at %1 draws was found  %2 three!")};
constexpr GroupSearchKind kFours{4, 68, 70, false,
                                 NUMORA_TRANSLATABLE("Numora", "at %1  draws was found %2 four!")};

const GroupSearchKind& searchKind(GroupKind kind) {
  switch (kind) {
    case GroupKind::Pairs:
      return kPairs;
    case GroupKind::Triples:
      return kTriples;
    case GroupKind::FourGroups:
      break;
  }
  return kFours;
}

// The probe tip of the group starting at first, as the tip matching reads it.
std::string probeTip(int first, int size) {
  std::string tip;
  for (int i = 0; i < kProbeFields; ++i) {
    if (i) tip += ',';
    tip += std::to_string(i < size ? first + i : 0);
  }
  return tip;
}

// A draw with a repeated number counts as the tip matching counts it: every equal number is a
// hit, so a group is found when its numbers are drawn groupSize times in all. Numbers outside
// 1..70 are left out.
void countInDamagedDraw(const DrawRecord& record, int groupSize, int lastFirst,
                        GroupCounts& counts) {
  std::array<int, 71> times{};
  for (const auto number : record.numbers) {
    if (number >= 1 && number <= 70) ++times[number];
  }
  for (int first = 1; first <= lastFirst; ++first) {
    int hits = 0;
    for (int i = 0; i < groupSize && first + i <= 70; ++i) {
      hits += times[first + i];
    }
    if (hits == groupSize) {
      ++counts.counters[static_cast<std::size_t>(first)];
      ++counts.found;
    }
  }
}

}  // namespace

GroupCounts countGroups(const StatisticsWindow& window, int groupSize, int lastFirst) {
  GroupCounts counts;
  const NumberSet::Bits firstNumbers =
      (NumberSet::Bits{1} << lastFirst) - 1;  // bits of the first numbers 1..lastFirst
  for (const auto& record : window.history->records) {
    if (!window.contains(record)) continue;
    ++counts.draws;
    NumberSet drawn;
    for (const auto number : record.numbers) drawn.add(number);
    if (drawn.size() != static_cast<int>(DrawRecord::kNumbers)) {
      countInDamagedDraw(record, groupSize, lastFirst, counts);
      continue;
    }
    const NumberSet::Bits bits = drawn.bits();
    // Bit n-1 set when n..n+groupSize-1 are all drawn.
    NumberSet::Bits starts = bits;
    for (int i = 1; i < groupSize; ++i) starts &= bits >> i;
    starts &= firstNumbers;
    while (starts != 0) {
      const auto low = static_cast<std::uint64_t>(starts);
      const int bit = low != 0 ? std::countr_zero(low)
                               : 64 + std::countr_zero(static_cast<std::uint64_t>(starts >> 64));
      ++counts.counters[static_cast<std::size_t>(bit + 1)];
      ++counts.found;
      starts &= starts - 1;
    }
  }
  return counts;
}

GroupCounts countGroups(const StatisticsWindow& window, GroupKind kind) {
  const GroupSearchKind& search = searchKind(kind);
  return countGroups(window, search.size, search.lastFirst);
}

std::span<const int> groupBars(const GroupCounts& counts, GroupKind kind) {
  return std::span<const int>(counts.counters)
      .subspan(1, static_cast<std::size_t>(searchKind(kind).bars));
}

AxisRange groupValueRange(const GroupCounts& counts, GroupKind kind) {
  const auto bars = groupBars(counts, kind);
  return searchKind(kind).fixedAxis ? fixedAxisRange(bars) : automaticAxisRange(bars);
}

void fillGroupChart(Chart& chart, const GroupCounts& counts, GroupKind kind) {
  const GroupSearchKind& search = searchKind(kind);
  startStatisticsChart(chart);
  const auto bars =
      std::span<const int>(counts.counters).first(static_cast<std::size_t>(search.bars) + 1);
  addCountBars(chart, bars, false);
  if (search.fixedAxis) {
    fixValueAxis(chart, bars.subspan(1));
  } else {
    chart.setLeftAxisAutomatic();
  }
  chart.setBottomTitle(
      PatternText(search.title, {wholeNumber(counts.draws), wholeNumber(counts.found)}));
}

std::optional<GroupCounts> runGroupSearch(DrawContext context, GroupKind kind) {
  const auto window = openStatisticsWindow(context, false);
  if (!window) return std::nullopt;
  WaitCursor wait(context.platform);
  Form& form = context.form;
  const GroupSearchKind& search = searchKind(kind);
  const GroupCounts counts = countGroups(*window, kind);
  fillGroupChart(form.Chart1, counts, kind);

  // As after the literal search: the window's last draw in Zahl, the last probe's hits.
  const DrawRecord* last = nullptr;
  for (const auto& record : window->history->records) {
    if (window->contains(record)) last = &record;
  }
  if (last) {
    for (std::size_t i = 0; i < DrawRecord::kNumbers; ++i) form.Zahl[i + 1] = last->numbers[i];
    Zettelcheck(form, probeTip(search.lastFirst, search.size));
  }
  form.PageControl1.setActivePage(kChartPage);
  return counts;
}

void countPairs(DrawContext context) {
  (void)runGroupSearch(context, GroupKind::Pairs);
}
void countTriples(DrawContext context) {
  (void)runGroupSearch(context, GroupKind::Triples);
}
void countFourGroups(DrawContext context) {
  (void)runGroupSearch(context, GroupKind::FourGroups);
}

}  // namespace numora
