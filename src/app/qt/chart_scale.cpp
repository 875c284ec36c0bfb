#include "app/qt/chart_scale.h"

#include <algorithm>
#include <cmath>

namespace numora {
namespace {

constexpr double kLabelGap = 4;

// 1, 2, 5, 10, 20, 50, ...: the step after `value`.
double nextNiceStep(double value) {
  const double power = std::pow(10.0, std::floor(std::log10(value) + 1e-9));
  const double mantissa = value / power;
  if (mantissa < 1.5) return 2 * power;
  if (mantissa < 3.5) return 5 * power;
  return 10 * power;
}

}  // namespace

ValueRange shownValueRange(const Chart& chart) {
  ValueRange range;
  if (!chart.leftAxis().automatic) {
    range = {chart.leftAxis().min, chart.leftAxis().max};
  } else {
    for (int number : {1, 2}) {
      const ChartSeries& series = chart.series(number);
      if (!series.active) continue;
      for (const ChartBar& bar : series.bars) range.max = std::max(range.max, bar.y);
    }
  }
  return range;
}

ValueAxisView paddedValueAxis(ValueRange range) {
  const double step = tickInterval(range.max - range.min);
  double low = std::floor((range.min - step / 2) / step) * step;
  if (range.min >= 0) low = std::max(low, 0.0);
  const double topTick = std::max(std::ceil(range.max / step) * step, low + step);
  return {low, topTick + step / 2, step};
}

double tickInterval(double span) {
  if (!(span > 10)) return 1;
  double step = 1;
  while (span / step > 10) step = nextNiceStep(step);
  return step;
}

int labelStep(double pixelsPerBar, double labelWidth) {
  if (!(pixelsPerBar > 0)) return 1;
  double step = 1;
  while (step * pixelsPerBar < labelWidth + kLabelGap && step < 1e6) step = nextNiceStep(step);
  return static_cast<int>(step);
}

}  // namespace numora
