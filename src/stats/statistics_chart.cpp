#include "stats/statistics_chart.h"

#include <algorithm>

namespace numora {

AxisRange fixedAxisRange(std::span<const int> values) {
  if (values.empty()) return {};
  const auto [smallest, largest] = std::minmax_element(values.begin(), values.end());
  return {*smallest, *largest};
}

AxisRange automaticAxisRange(std::span<const int> values) {
  int largest = 0;
  for (const int value : values) largest = std::max(largest, value);
  return {0, largest};
}

bool isPrimeColoured(int number) {
  static constexpr int kPrimes[] = {1,  2,  3,  5,  7,  11, 13, 17, 19, 23,
                                    29, 31, 37, 41, 43, 47, 53, 59, 61, 67};
  return std::find(std::begin(kPrimes), std::end(kPrimes), number) != std::end(kPrimes);
}

void startStatisticsChart(Chart& chart, const char* counted) {
  chart.setLeftTitle(counted);
  chart.setSeriesActive(2, true);
  chart.setSeriesActive(1, false);
  chart.clearSeries(2);
}

void addCountBars(Chart& chart, std::span<const int> counts, bool primeColouring) {
  for (std::size_t x = 1; x < counts.size(); ++x) {
    std::optional<std::uint32_t> colour;
    if (primeColouring) colour = isPrimeColoured(static_cast<int>(x)) ? kPrimeRed : kOtherGreen;
    chart.addBar(2, static_cast<double>(x), counts[x], colour);
  }
}

void fixValueAxis(Chart& chart, std::span<const int> values) {
  const AxisRange range = fixedAxisRange(values);
  chart.setLeftAxisMinimum(0);
  chart.setLeftAxisMaximum(range.max);
  chart.setLeftAxisMinimum(range.min);
  chart.setLeftAxisFixed();
}

}  // namespace numora
