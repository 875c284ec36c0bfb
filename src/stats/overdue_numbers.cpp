#include "stats/overdue_numbers.h"

#include <array>
#include <span>

#include "form/wait_cursor.h"
#include "stats/statistics_chart.h"
#include "stats/statistics_window.h"

namespace numora {

void chartOverdueNumbers(DrawContext context) {
  const auto window = openStatisticsWindow(context, false);
  if (!window) return;
  WaitCursor wait(context.platform);
  Chart& chart = context.form.Chart1;
  startStatisticsChart(chart, kCountsDrawsSince);
  // gap[n] = 1 + the window draws after the last one holding n (N + 1 for a number never
  // drawn), taken from the ordinal of each number's last draw instead of counting every pass.
  std::array<int, 71> lastOrdinal{};
  int draws = 0;
  for (const auto& record : window->history->records) {
    if (!window->contains(record)) continue;
    ++draws;
    for (const auto number : record.numbers) {
      if (number >= 1 && number <= 70) lastOrdinal[number] = draws;
    }
  }
  std::array<int, 71> gap;
  for (std::size_t n = 0; n < gap.size(); ++n) gap[n] = 1 + draws - lastOrdinal[n];
  addCountBars(chart, gap, true);
  fixValueAxis(chart, std::span<const int>(gap).subspan(1));
  chart.setBottomTitle("Which number is overdue, as was not since as many draws held?");
  context.form.PageControl1.setActivePage(kChartPage);
}

}  // namespace numora
