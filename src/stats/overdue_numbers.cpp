#include "stats/overdue_numbers.h"

#include "common/translatable.h"

#include <span>

#include "form/wait_cursor.h"
#include "stats/statistics_chart.h"

namespace numora {

OverdueGaps overdueGaps(const StatisticsWindow& window) {
  // Taken from the ordinal of each number's last draw instead of counting every pass.
  std::array<int, 71> lastOrdinal{};
  int draws = 0;
  for (const auto& record : window.history->records) {
    if (!window.contains(record)) continue;
    ++draws;
    for (const auto number : record.numbers) {
      if (number >= 1 && number <= 70) lastOrdinal[number] = draws;
    }
  }
  OverdueGaps gaps;
  for (std::size_t n = 0; n < gaps.size(); ++n) gaps[n] = 1 + draws - lastOrdinal[n];
  return gaps;
}

void fillOverdueChart(Chart& chart, const OverdueGaps& gaps) {
  startStatisticsChart(chart, kCountsDrawsSince);
  addCountBars(chart, gaps, true);
  fixValueAxis(chart, std::span<const int>(gaps).subspan(1));
  chart.setBottomTitle(NUMORA_TRANSLATABLE(
      "Numora", "Which number is overdue, as was not since as many draws held?"));
}

std::optional<OverdueGaps> runOverdueNumbers(DrawContext context) {
  const auto window = openStatisticsWindow(context, false);
  if (!window) return std::nullopt;
  WaitCursor wait(context.platform);
  const OverdueGaps gaps = overdueGaps(*window);
  fillOverdueChart(context.form.Chart1, gaps);
  context.form.PageControl1.setActivePage(kChartPage);
  return gaps;
}

void chartOverdueNumbers(DrawContext context) {
  (void)runOverdueNumbers(context);
}

}  // namespace numora
