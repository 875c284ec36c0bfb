#include "tips/historical_search.h"

#include "common/translatable.h"

#include <algorithm>
#include <stdexcept>

#include "common/text.h"
#include "evaluation/komplettcheck.h"
#include "form/progress_display.h"
#include "stats/statistics_chart.h"
#include "stats/statistics_window.h"

namespace numora {

std::string searchCaption(const DrawRecord& record, const WeekdayNames& shortNames) {
  std::string caption = formatDateShortWeekday(record.date, shortNames) + "  ";
  for (const auto number : record.numbers) caption += "  " + std::to_string(number);
  return caption;
}

std::array<int, 11> searchTipListHistory(DrawContext context, const bool* stopRequested) {
  Form& form = context.form;
  Platform& platform = context.platform;
  const std::string preset = std::to_string(form.numbersPerTip());
  const std::string answer = platform.inputBox(kSearchThresholdCaption,
                                               NUMORA_TRANSLATABLE("Numora", "x numbers"), preset);
  const auto threshold = parseStrictInt(answer);
  if (!threshold) {
    throw std::runtime_error(
        fillPattern(NUMORA_TRANSLATABLE("Numora", "'%1' is not a valid integer value"), {answer}));
  }

  std::array<int, 11> bestHits{};
  const auto window = openStatisticsWindow(context, true);
  if (!window) return bestHits;
  Chart& chart = form.Chart1;
  startStatisticsChart(chart);

  const auto& records = window->history->records;
  const auto total = static_cast<int>(std::count_if(
      records.begin(), records.end(), [&](const DrawRecord& r) { return window->contains(r); }));
  ProgressDisplay progress(form.WorkProgress, std::max(total, 1),
                           fillPattern(NUMORA_TRANSLATABLE("Numora", "Search: %1 of %2 draws"),
                                       {"0", std::to_string(total)}));
  int done = 0;
  for (const DrawRecord& record : records) {
    if (!window->contains(record)) continue;
    ++done;
    progress.show(
        done, fillPattern(NUMORA_TRANSLATABLE("Numora", "Search: %1 of %2 draws, %3"),
                          {std::to_string(done), std::to_string(total), formatDate(record.date)}));
    form.Datum1 = record.date;
    for (std::size_t i = 0; i < DrawRecord::kNumbers; ++i) form.Zahl[i + 1] = record.numbers[i];
    for (std::size_t i = 0; i < record.extra.size(); ++i) form.Zahl5[i + 1] = record.extra[i];
    form.Label29.setCaption(searchCaption(record, platform.shortDayNames()));
    form.Label35.setCaption(form.Label29.caption());
    form.Label13.setCaption(fillPattern(NUMORA_TRANSLATABLE("Numora", "Cross-sum: %1"),
                                        {std::to_string(record.crossSum())}));
    platform.repaint();
    const int best = Komplettcheck(form, platform);
    ++bestHits[static_cast<std::size_t>(std::clamp(best, 0, 10))];
    if (best >= *threshold) {
      platform.showMessage(
          fillPattern(NUMORA_TRANSLATABLE("Numora", "A hit on: %1"), {formatDate(record.date)}));
    }
    // A stop or a window closed during a hit message ends the search.
    if (form.closing || (stopRequested && *stopRequested)) break;
  }

  chart.setLeftAxisAutomatic();
  for (std::size_t x = 0; x < bestHits.size(); ++x) {
    chart.addBar(2, static_cast<double>(x), bestHits[x]);
  }
  chart.setBottomTitle(NUMORA_TRANSLATABLE("Numora", "Draws per best hit count of the tips"));
  return bestHits;
}

}  // namespace numora
