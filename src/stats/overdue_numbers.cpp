#include "stats/overdue_numbers.h"

#include <array>
#include <span>

#include "form/wait_cursor.h"
#include "stats/statistics_chart.h"
#include "stats/statistics_window.h"

namespace numora {

void Button5Click(DrawContext context) {
  const auto window = openStatisticsWindow(context, false);
  if (!window) return;
  WaitCursor wait(context.platform);
  Chart& chart = context.form.Chart1;
  startStatisticsChart(chart);
  // gap[n] = 1 + the window draws after the last one holding n; every draw passes first.
  std::array<int, 71> gap;
  gap.fill(1);
  for (const auto& record : window->history->records) {
    if (!window->contains(record)) continue;
    for (int& value : gap) ++value;
    for (const auto number : record.numbers) {
      if (number >= 1 && number <= 70) gap[number] = 1;
    }
  }
  addCountBars(chart, gap, true);
  fixValueAxis(chart, std::span<const int>(gap).subspan(1));
  chart.setBottomTitle("Which number is overdue, as was not since as many draws held?");
  context.form.PageControl1.setActivePage(kChartPage);
}

}  // namespace numora
