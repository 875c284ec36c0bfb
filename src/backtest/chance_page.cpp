#include "backtest/chance_page.h"

#include "common/translatable.h"

#include "backtest/backtest_report.h"
#include "backtest/chance_comparison.h"
#include "common/grouped_number.h"
#include "common/text.h"
#include "evaluation/odds_text.h"

namespace numora {
namespace {

bool isRecurrence(BacktestKind kind) {
  return kind != BacktestKind::SingleCalculation && kind != BacktestKind::PerDraw;
}

std::string hitRange(const HitGroup& group) {
  if (group.firstHits == group.lastHits) return std::to_string(group.firstHits);
  return std::to_string(group.firstHits) + "-" + std::to_string(group.lastHits);
}

// "1 cycle", "2 cycles".
std::string counted(std::int64_t count, const char* one, const char* many) {
  return formatGrouped(count) + " " + (count == 1 ? one : many);
}

std::string title(const BacktestTotals& totals, const ChanceComparison& comparison) {
  const std::string what =
      isRecurrence(totals.kind)
          ? " of a 20-number probe with a draw"
          : " of a " + std::to_string(totals.numbersPerTip) + "-number tip with a draw";
  std::string line = std::string(backtestName(totals.kind)) + " against chance: " +
                     counted(comparison.comparisons, "comparison", "comparisons") + what;
  if (totals.kind == BacktestKind::SingleCalculation && totals.scoredCycles.size() == 1) {
    // One calculation's tips, each scored against every cycle's draw.
    line +=
        " (" +
        counted(static_cast<std::int64_t>(totals.scoredCycles.front().tips.size()), "tip", "tips") +
        " x " + counted(totals.cycles, "cycle", "cycles") + ")";
  } else if (totals.cycles > 0) {
    line += " (" + counted(totals.cycles, "cycle", "cycles") + ")";
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

std::string verdictLine(const ChanceComparison& comparison) {
  return comparison.pValue >= 0.05
             ? "Verdict: the difference is within chance (p >= 0.05)."
             : "Verdict: the difference is larger than chance explains (p < 0.05).";
}

std::string degreesOfFreedom(int degrees) {
  return std::to_string(degrees) + (degrees == 1 ? " degree" : " degrees") + " of freedom";
}

std::string lawLine(const BacktestTotals& totals) {
  if (isRecurrence(totals.kind)) {
    return "Law of chance: the numbers two draws of 20 out of 70 share (hypergeometric law); "
           "expected = comparisons x chance of the hit count.";
  }
  const std::string law = "Law of chance: the hits of a " + std::to_string(totals.numbersPerTip) +
                          "-number tip in a draw of 20 out of 70 (hypergeometric law); ";
  if (totals.kind == BacktestKind::SingleCalculation) {
    return law + "expected = tips x cycles x chance of the hit count.";
  }
  return law +
         "expected = the tips of each cycle, summed over the cycles, x chance of the hit "
         "count.";
}

// The winnings of the tips against those of random histories, per unit stake.
std::string winningsLine(const ChanceComparison::Simulation& simulation) {
  return "Winnings per unit stake: observed " + formatFixed(*simulation.observedWinnings, 3) +
         "; chance gives " + formatFixed(simulation.meanWinnings, 3) +
         " on average, 90 % of the random histories between " +
         formatFixed(simulation.lowWinnings, 3) + " and " +
         formatFixed(simulation.highWinnings, 3) + ".";
}

std::vector<std::string> memoLines(const BacktestTotals& totals,
                                   const ChanceComparison& comparison) {
  std::vector<std::string> lines;
  const auto& simulation = comparison.simulation;
  if (!comparison.testable) {
    lines.push_back(
        "Too few comparisons for the chi-squared goodness-of-fit test: it needs at least two "
        "groups of hit counts that chance expects 5 times or more.");
  } else if (simulation) {
    // The verdict first: the memo shows its first lines without scrolling.
    lines.push_back(verdictLine(comparison));
    lines.push_back("Simulated test: X2 = " + formatFixed(comparison.chiSquared, 2) + "; " +
                    formatGrouped(simulation->atLeastObserved) + " of " +
                    counted(simulation->histories, "random history", "random histories") +
                    " reached it, p = " + formatFixed(comparison.pValue, 3) + ".");
  } else {
    lines.push_back(verdictLine(comparison));
    lines.push_back("Chi-squared goodness of fit: X2 = " + formatFixed(comparison.chiSquared, 2) +
                    " with " + degreesOfFreedom(comparison.degreesOfFreedom) +
                    ", p = " + formatFixed(comparison.pValue, 3) + ".");
  }
  if (simulation && simulation->observedWinnings) lines.push_back(winningsLine(*simulation));
  lines.push_back(lawLine(totals));
  std::string pools;
  for (const HitGroup& group : comparison.groups) {
    if (group.firstHits != group.lastHits) pools += (pools.empty() ? "" : ", ") + hitRange(group);
  }
  lines.push_back(
      "Hit counts that chance expects fewer than 5 times are pooled with their neighbours" +
      (pools.empty() ? std::string(": none needed.") : " (" + pools + ")."));
  if (isRecurrence(totals.kind)) {
    lines.push_back(
        "Assumptions: every draw is 20 numbers drawn at random from 70, independent of the "
        "others. Each comparison is of a distinct pair of draws, so the chi-squared law holds "
        "for the sum.");
  } else {
    lines.push_back(
        "Assumptions: every draw is 20 numbers drawn at random from 70, independent of the "
        "other draws and of the tips. The p-value is the share of random histories (the tips of "
        "each cycle kept, every draw replaced by a random one) whose chi-squared sum over the "
        "same groups reaches the observed one, so tips that share numbers are allowed for.");
  }
  return lines;
}

}  // namespace

void showChanceComparison(Form& form, const std::optional<BacktestTotals>& last) {
  if (!last) {
    form.ChanceTitle.setCaption(
        NUMORA_TRANSLATABLE("Numora",
                            "Run a tip success test or a recurrence test to see its hit "
                            "counts against chance."));
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
