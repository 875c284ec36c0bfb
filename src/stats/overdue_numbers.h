// For each number, how many draws of the statistics window have passed since it was last drawn.
#pragma once

#include <array>
#include <optional>

#include "draws/current_draw.h"
#include "stats/statistics_window.h"

namespace numora {

// gaps[n] = 1 + the window draws after the last one holding n (N + 1 for a number never drawn);
// gaps[0] unused.
using OverdueGaps = std::array<int, 71>;

OverdueGaps overdueGaps(const StatisticsWindow& window);

// Chart1 from the gaps: the bars, the value axis and the title under the chart.
void fillOverdueChart(Chart& chart, const OverdueGaps& gaps);

// The statistic as its button runs it on the window the form sets: charted, the "Chart" tab
// shown, and returned for whoever builds on it; nothing when there is no draw file.
std::optional<OverdueGaps> runOverdueNumbers(DrawContext context);

// The button of the "Chart" tab.
void chartOverdueNumbers(DrawContext context);

}  // namespace numora
