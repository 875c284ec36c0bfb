#include "backtest/chance_page.h"

#include "backtest/chance_comparison.h"
#include "common/text.h"
#include "evaluation/odds_text.h"

namespace numora {
namespace {

const char* testName(BacktestKind kind) {
  switch (kind) {
    case BacktestKind::SingleCalculation:
      return "Tip success test (one calculation)";
    case BacktestKind::PerDraw:
      return "Tip success test (a calculation per draw)";
    case BacktestKind::NextDraw:
      return "Recurrence test (next draw)";
    case BacktestKind::SecondNextDraw:
      return "Recurrence test (second next draw)";
    case BacktestKind::ThirdNextDraw:
      return "Recurrence test (third next draw)";
    case BacktestKind::NextThreeDraws:
      return "Recurrence test (next three draws)";
    case BacktestKind::LastThreeDraws:
      return "Recurrence test (last three draws)";
  }
  return "Back-test";
}

bool isRecurrence(BacktestKind kind) {
  return kind != BacktestKind::SingleCalculation && kind != BacktestKind::PerDraw;
}

std::string hitRange(const HitGroup& group) {
  if (group.firstHits == group.lastHits) return std::to_string(group.firstHits);
  return std::to_string(group.firstHits) + "-" + std::to_string(group.lastHits);
}

std::string title(const BacktestTotals& totals, const ChanceComparison& comparison) {
  const std::string what =
      isRecurrence(totals.kind)
          ? " comparisons of a 20-number probe with a draw"
          : " comparisons of a " + std::to_string(totals.numbersPerTip) + "-number tip with a draw";
  std::string line = std::string(testName(totals.kind)) +
                     " against chance: " + std::to_string(comparison.comparisons) + what;
  // A tip test compares every tip of the list with the draw of every cycle.
  if (!isRecurrence(totals.kind) && totals.cycles > 0 &&
      comparison.comparisons % totals.cycles == 0) {
    line += " (" + std::to_string(comparison.comparisons / totals.cycles) + " tips x " +
            std::to_string(totals.cycles) + " cycles)";
  }
  return line;
}

std::vector<std::vector<std::string>> rows(const ChanceComparison& comparison,
                                           const NumberFormat& format) {
  std::vector<std::vector<std::string>> cells;
  for (const HitGroup& group : comparison.groups) {
    for (int k = group.firstHits; k <= group.lastHits; ++k) {
      const auto at = static_cast<std::size_t>(k);
      cells.push_back({std::to_string(k), formatAmount(comparison.observed[at], format),
                       formatDecimals(comparison.expected[at], 2, format), hitRange(group)});
    }
  }
  return cells;
}

std::vector<std::string> memoLines(const BacktestTotals& totals,
                                   const ChanceComparison& comparison) {
  std::vector<std::string> lines;
  if (!comparison.testable) {
    lines.push_back(
        "Too few comparisons for the chi-squared goodness-of-fit test: it needs at least two "
        "groups of hit counts that chance expects 5 times or more.");
  } else {
    // The verdict first: the memo shows its first lines without scrolling.
    lines.push_back(comparison.pValue >= 0.05
                        ? "Verdict: the difference is within chance (p >= 0.05)."
                        : "Verdict: the difference is larger than chance explains (p < 0.05).");
    lines.push_back("Chi-squared goodness of fit: X2 = " + formatFixed(comparison.chiSquared, 2) +
                    " with " + std::to_string(comparison.degreesOfFreedom) +
                    " degrees of freedom, p = " + formatFixed(comparison.pValue, 3) + ".");
  }
  lines.push_back(
      isRecurrence(totals.kind)
          ? "Law of chance: the numbers two draws of 20 out of 70 share (hypergeometric "
            "law); expected = comparisons x chance of the hit count."
          : "Law of chance: the hits of a " + std::to_string(totals.numbersPerTip) +
                "-number tip in a draw of 20 out of 70 (hypergeometric law); "
                "expected = tips x cycles x chance of the hit count.");
  std::string pools;
  for (const HitGroup& group : comparison.groups) {
    if (group.firstHits != group.lastHits) pools += (pools.empty() ? "" : ", ") + hitRange(group);
  }
  lines.push_back(
      "Hit counts that chance expects fewer than 5 times are pooled with their neighbours" +
      (pools.empty() ? std::string(": none needed.") : " (" + pools + ")."));
  lines.push_back(
      "Assumptions: every draw is 20 numbers drawn at random from 70, and the comparisons are "
      "independent of each other. Tips of one calculation, a probe scored against several "
      "draws and draws scored more than once are not independent, so read the verdict as a "
      "guide.");
  return lines;
}

}  // namespace

void showChanceComparison(Form& form, const std::optional<BacktestTotals>& last) {
  if (!last) {
    form.ChanceTitle.setCaption(
        "Run a tip success test or a recurrence test to see its hit counts against chance.");
    form.ChanceGrid.setRows({});
    form.ChanceMemo.setText("");
    return;
  }
  const ChanceComparison comparison = compareWithChance(*last);
  form.ChanceTitle.setCaption(title(*last, comparison));
  form.ChanceGrid.setRows(rows(comparison, form.numberFormat));
  std::string memo;
  for (const auto& line : memoLines(*last, comparison)) memo += (memo.empty() ? "" : "\n") + line;
  form.ChanceMemo.setText(memo);
}

std::vector<std::string> chanceLines(const Form& form) {
  std::vector<std::string> lines{form.ChanceTitle.caption(), joinCells(form.ChanceGrid.columns())};
  for (const auto& row : form.ChanceGrid.rows()) lines.push_back(joinCells(row));
  for (const auto& line : splitLines(form.ChanceMemo.text())) lines.push_back(line);
  return lines;
}

}  // namespace numora
