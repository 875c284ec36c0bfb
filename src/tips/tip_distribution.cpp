#include "tips/tip_distribution.h"

#include "common/translatable.h"

#include <span>
#include <string_view>

#include "common/text.h"
#include "form/wait_cursor.h"
#include "stats/statistics_chart.h"

namespace numora {

std::array<int, 71> countTipNumbers(const std::vector<std::string>& tips) {
  std::array<int, 71> counts{};
  for (const std::string& tip : tips) {
    std::string_view rest = tip;
    while (true) {
      const auto comma = rest.find(',');
      const auto number = parseStrictInt(rest.substr(0, comma));
      if (!number) return counts;
      if (*number >= 0 && *number <= 70) ++counts[static_cast<std::size_t>(*number)];
      if (comma == std::string_view::npos) break;
      rest.remove_prefix(comma + 1);
    }
  }
  return counts;
}

void chartTipDistribution(Form& form, Platform& platform) {
  WaitCursor wait(platform);
  Chart& chart = form.Chart1;
  startStatisticsChart(chart, kCountsTips);
  const auto counts = countTipNumbers(form.ListBox1.lines());
  addCountBars(chart, counts, true);
  fixValueAxis(chart, std::span<const int>(counts).subspan(1));
  chart.setBottomTitle(NUMORA_TRANSLATABLE("Numora", "Number distribution of the tips"));
  form.PageControl1.setActivePage(kChartPage);
}

}  // namespace numora
