#include "stats/number_distribution.h"

#include <array>
#include <span>
#include <string>
#include <vector>

#include "common/rounding.h"
#include "form/wait_cursor.h"
#include "stats/statistics_chart.h"
#include "stats/statistics_window.h"

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

std::string countText(double count) {
  return std::to_string(static_cast<long long>(count));
}

// The average rounded half to even; 0 for no draw.
std::string averageText(double sum, double count) {
  return std::to_string(count > 0 ? roundHalfEven(sum / count) : 0);
}

}  // namespace

void chartNumberDistribution(DrawContext context) {
  const auto window = openStatisticsWindow(context, true);
  if (!window) return;
  WaitCursor wait(context.platform);
  Chart& chart = context.form.Chart1;
  std::array<int, 71> counts{};
  double draws = 0;
  double crossSums = 0;
  startStatisticsChart(chart);
  for (const auto& record : window->history->records) {
    if (!window->contains(record)) continue;
    for (const auto number : record.numbers) {
      if (number >= 1 && number <= 70) ++counts[number];
    }
    crossSums += crossSumOfGameNumbers(record);
    ++draws;
  }
  addCountBars(chart, counts, true);
  fixValueAxis(chart, std::span<const int>(counts).subspan(1));
  // Without a draw there is no average: the title keeps its text.
  if (draws > 0) {
    chart.setBottomTitle("number distribution     draw: " + countText(draws) +
                         "    cross sum: " + averageText(crossSums, draws));
  }
}

void chartCrossSumDistribution(DrawContext context) {
  const auto window = openStatisticsWindow(context, false);
  if (!window) return;
  WaitCursor wait(context.platform);
  Chart& chart = context.form.Chart1;
  int smallest = kNoSmallestYet;
  int largest = 0;
  double draws = 0;
  double crossSums = 0;
  startStatisticsChart(chart);
  std::vector<int> counts(kHighestCrossSum + 1, 0);
  for (const auto& record : window->history->records) {
    if (!window->contains(record)) continue;
    const int sum = crossSumOfGameNumbers(record);
    ++counts[static_cast<std::size_t>(sum)];
    smallest = std::min(smallest, sum);
    largest = std::max(largest, sum);
    ++draws;
    crossSums += sum;
  }
  for (int sum = smallest; sum <= largest; ++sum) {
    chart.addBar(2, sum, counts[static_cast<std::size_t>(sum)]);
  }
  chart.setLeftAxisAutomatic();
  chart.setBottomTitle("Cross-sum distribution     Draws: " + countText(draws) +
                       "    Cross-sum: " + averageText(crossSums, draws));
}

}  // namespace numora
