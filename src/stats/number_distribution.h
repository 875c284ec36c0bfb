// How often each number was drawn in the statistics window, and how often each cross sum.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "draws/current_draw.h"
#include "stats/statistics_window.h"

namespace numora {

struct NumberDistribution {
  std::array<int, 71> counts{};  // counts[n]: how often n was drawn; counts[0] unused
  int draws = 0;
  double crossSums = 0;  // the sum of the draws' cross sums
};

struct CrossSumDistribution {
  std::vector<int> counts;  // counts[s]: the draws whose cross sum is s
  int smallest = 0;         // the range of the cross sums drawn; smallest > largest for none
  int largest = 0;
  int draws = 0;
  double crossSums = 0;
};

NumberDistribution countNumbers(const StatisticsWindow& window);
CrossSumDistribution countCrossSums(const StatisticsWindow& window);

// Chart1 from the values: the bars, the value axis and the title under the chart.
void fillNumberChart(Chart& chart, const NumberDistribution& distribution);
void fillCrossSumChart(Chart& chart, const CrossSumDistribution& distribution);

// The statistic as its button runs it on the window the form sets: charted, and returned for
// whoever builds on it; nothing when there is no draw file.
std::optional<NumberDistribution> runNumberDistribution(DrawContext context);

// The buttons of the "Chart" tab.
void chartNumberDistribution(DrawContext context);
void chartCrossSumDistribution(DrawContext context);

}  // namespace numora
