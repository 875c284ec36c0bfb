#include "stats/number_distribution.h"

#include <algorithm>
#include <span>
#include <string>

#include "common/rounding.h"
#include "common/translatable.h"
#include "form/wait_cursor.h"
#include "stats/statistics_chart.h"

namespace numora {
namespace {

constexpr int kHighestCrossSum = 5841;  // 20 bytes of 255 plus a margin, as the tally allows
constexpr int kNoSmallestYet = 6000;

// The cross sum of a draw's numbers of the game; numbers outside 1..70 are left out.
int crossSumOfGameNumbers(const DrawRecord& record) {
  int sum = 0;
  for (const auto number : record.numbers) {
    if (number >= 1 && number <= 70) sum += number;
  }
  return sum;
}

// The average rounded half to even; 0 for no draw.
long long averageOf(double sum, double count) {
  return count > 0 ? static_cast<long long>(roundHalfEven(sum / count)) : 0;
}

}  // namespace

NumberDistribution countNumbers(const StatisticsWindow& window) {
  NumberDistribution distribution;
  for (const auto& record : window.history->records) {
    if (!window.contains(record)) continue;
    for (const auto number : record.numbers) {
      if (number >= 1 && number <= 70) ++distribution.counts[number];
    }
    distribution.crossSums += crossSumOfGameNumbers(record);
    ++distribution.draws;
  }
  return distribution;
}

CrossSumDistribution countCrossSums(const StatisticsWindow& window) {
  CrossSumDistribution distribution;
  distribution.counts.assign(kHighestCrossSum + 1, 0);
  distribution.smallest = kNoSmallestYet;
  for (const auto& record : window.history->records) {
    if (!window.contains(record)) continue;
    const int sum = crossSumOfGameNumbers(record);
    ++distribution.counts[static_cast<std::size_t>(sum)];
    distribution.smallest = std::min(distribution.smallest, sum);
    distribution.largest = std::max(distribution.largest, sum);
    ++distribution.draws;
    distribution.crossSums += sum;
  }
  return distribution;
}

void fillNumberChart(Chart& chart, const NumberDistribution& distribution) {
  startStatisticsChart(chart);
  addCountBars(chart, distribution.counts, true);
  fixValueAxis(chart, std::span<const int>(distribution.counts).subspan(1));
  // Without a draw the title says so, as the cross-sum distribution's does: a title left from
  // the statistic before would stand over bars it does not describe.
  chart.setBottomTitle(PatternText(
      NUMORA_TRANSLATABLE("Numora", "number distribution     draw: %1    cross sum: %2"),
      {wholeNumber(static_cast<long long>(distribution.draws)),
       wholeNumber(averageOf(distribution.crossSums, distribution.draws))}));
}

void fillCrossSumChart(Chart& chart, const CrossSumDistribution& distribution) {
  startStatisticsChart(chart);
  for (int sum = distribution.smallest; sum <= distribution.largest; ++sum) {
    chart.addBar(2, sum, distribution.counts[static_cast<std::size_t>(sum)]);
  }
  chart.setLeftAxisAutomatic();
  chart.setBottomTitle(PatternText(
      NUMORA_TRANSLATABLE("Numora", "Cross-sum distribution     Draws: %1    Cross-sum: %2"),
      {wholeNumber(static_cast<long long>(distribution.draws)),
       wholeNumber(averageOf(distribution.crossSums, distribution.draws))}));
}

std::optional<NumberDistribution> runNumberDistribution(DrawContext context) {
  const auto window = openStatisticsWindow(context, true);
  if (!window) return std::nullopt;
  WaitCursor wait(context.platform);
  const NumberDistribution distribution = countNumbers(*window);
  fillNumberChart(context.form.Chart1, distribution);
  return distribution;
}

void chartNumberDistribution(DrawContext context) {
  (void)runNumberDistribution(context);
}

void chartCrossSumDistribution(DrawContext context) {
  const auto window = openStatisticsWindow(context, false);
  if (!window) return;
  WaitCursor wait(context.platform);
  fillCrossSumChart(context.form.Chart1, countCrossSums(*window));
}

}  // namespace numora
