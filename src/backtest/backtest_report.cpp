#include "backtest/backtest_report.h"

#include "common/translatable.h"

#include <numeric>

#include "backtest/analysis_report.h"
#include "common/atomic_file.h"
#include "common/grouped_number.h"
#include "common/text.h"
#include "common/text_file.h"
#include "evaluation/odds_text.h"

namespace numora {
namespace {

// The patterns of the count of one and of many, %1 the count.
std::string counted(std::int64_t count, const char* one, const char* many) {
  return fillPattern(count == 1 ? one : many, {formatGrouped(count)});
}

}  // namespace

const char* backtestName(BacktestKind kind) {
  switch (kind) {
    case BacktestKind::SingleCalculation:
      return NUMORA_TRANSLATABLE("Numora", "Tip success test (one calculation)");
    case BacktestKind::PerDraw:
      return NUMORA_TRANSLATABLE("Numora", "Tip success test (a calculation per draw)");
    case BacktestKind::NextDraw:
      return NUMORA_TRANSLATABLE("Numora", "Recurrence test (next draw)");
    case BacktestKind::SecondNextDraw:
      return NUMORA_TRANSLATABLE("Numora", "Recurrence test (second next draw)");
    case BacktestKind::ThirdNextDraw:
      return NUMORA_TRANSLATABLE("Numora", "Recurrence test (third next draw)");
    case BacktestKind::NextThreeDraws:
      return NUMORA_TRANSLATABLE("Numora", "Recurrence test (next three draws)");
    case BacktestKind::LastThreeDraws:
      return NUMORA_TRANSLATABLE("Numora", "Recurrence test (last three draws)");
  }
  return NUMORA_TRANSLATABLE("Numora", "Back-test");
}

std::string reportHeading(const BacktestTotals& totals, int lotteryIndex, DayCount from,
                          DayCount to) {
  const std::int64_t comparisons =
      std::accumulate(totals.hits.begin(), totals.hits.end(), std::int64_t{0});
  return fillPattern(
      NUMORA_TRANSLATABLE("Numora", "%1 \u00b7 %2 \u00b7 %3 to %4 \u00b7 %5 \u00b7 %6"),
      {backtestName(totals.kind), lotteryName(lotteryIndex), formatDate(from), formatDate(to),
       counted(totals.cycles, NUMORA_TRANSLATABLE("Numora", "%1 cycle"),
               NUMORA_TRANSLATABLE("Numora", "%1 cycles")),
       counted(comparisons, NUMORA_TRANSLATABLE("Numora", "%1 comparison"),
               NUMORA_TRANSLATABLE("Numora", "%1 comparisons"))});
}

void showBacktestReport(Form& form, const BacktestTotals& totals, int lotteryIndex, DayCount from,
                        DayCount to) {
  form.ReportTitle.setCaption(reportHeading(totals, lotteryIndex, from, to));
  std::string text;
  for (const std::string& line : splitLines(form.Memo1.text())) {
    text += (text.empty() ? "" : "\n") + line;
  }
  form.ReportMemo.setText(text);
  form.ReportWindow.setVisible(true);
}

std::vector<std::string> reportLines(const Form& form) {
  if (form.ReportTitle.caption().empty()) return {};
  std::vector<std::string> lines{form.ReportTitle.caption()};
  for (const std::string& line : splitLines(form.ReportMemo.text())) lines.push_back(line);
  return lines;
}

void openReportInEditor(const Form& form, Platform& platform) {
  if (form.ReportTitle.caption().empty()) return;
  platform.shellOpen(form.Home + kAnalysisFileName);
}

void saveReportAs(const Form& form, Platform& platform) {
  if (form.ReportTitle.caption().empty()) return;
  const auto path =
      platform.saveFileDialog({std::string(NUMORA_TRANSLATABLE("Numora", "Text file")) + "|*.txt",
                               "txt", kAnalysisFileName});
  if (!path) return;
  try {
    writeTextLines(*path, splitLines(form.ReportMemo.text()));
  } catch (const FileAccessError& error) {
    platform.showMessage(
        fillPattern(NUMORA_TRANSLATABLE("Numora", "The report could not be written to %1."),
                    {*path}) +
        "\n" + error.what());
  }
}

}  // namespace numora
