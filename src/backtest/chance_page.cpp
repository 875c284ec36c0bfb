#include "backtest/chance_page.h"

#include "common/translatable.h"

#include "backtest/backtest_report.h"
#include "backtest/chance_comparison.h"
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

// A count and its noun, "1 cycle" or "2 cycles", as two values of a pattern: the window looks
// the noun up on its own. Counts are grouped in every format, as the reports print them.
void addCount(std::vector<PatternValue>& values, std::int64_t count, const char* one,
              const char* many) {
  values.emplace_back(ShownNumber{static_cast<double>(count), 0, true});
  values.emplace_back(std::string(count == 1 ? one : many));
}

// "Tip success test (one calculation) against chance: 1,180 comparisons of a 10-number tip with
// a draw (20 tips x 59 cycles)": one whole pattern for each shape, so it reads in any language.
PatternText title(const BacktestTotals& totals, const ChanceComparison& comparison) {
  std::vector<PatternValue> values{std::string(backtestName(totals.kind))};
  addCount(values, comparison.comparisons, NUMORA_TRANSLATABLE("Numora", "comparison"),
           NUMORA_TRANSLATABLE("Numora", "comparisons"));
  const auto addCycles = [&] {
    addCount(values, totals.cycles, NUMORA_TRANSLATABLE("Numora", "cycle"),
             NUMORA_TRANSLATABLE("Numora", "cycles"));
  };
  const char* pattern = nullptr;
  if (isRecurrence(totals.kind)) {
    pattern = totals.cycles > 0
                  ? NUMORA_TRANSLATABLE("Numora",
                                        "%1 against chance: %2 %3 of a 20-number probe with a "
                                        "draw (%4 %5)")
                  : NUMORA_TRANSLATABLE("Numora",
                                        "%1 against chance: %2 %3 of a 20-number probe with a "
                                        "draw");
    if (totals.cycles > 0) addCycles();
    return PatternText(pattern, std::move(values));
  }
  values.emplace_back(wholeNumber(totals.numbersPerTip));
  if (totals.kind == BacktestKind::SingleCalculation && totals.scoredCycles.size() == 1) {
    // One calculation's tips, each scored against every cycle's draw.
    addCount(values, static_cast<std::int64_t>(totals.scoredCycles.front().tips.size()),
             NUMORA_TRANSLATABLE("Numora", "tip"), NUMORA_TRANSLATABLE("Numora", "tips"));
    addCycles();
    pattern = NUMORA_TRANSLATABLE("Numora",
                                  "%1 against chance: %2 %3 of a %4-number tip with a draw (%5 "
                                  "%6 x %7 %8)");
  } else if (totals.cycles > 0) {
    addCycles();
    pattern = NUMORA_TRANSLATABLE("Numora",
                                  "%1 against chance: %2 %3 of a %4-number tip with a draw (%5 "
                                  "%6)");
  } else {
    pattern =
        NUMORA_TRANSLATABLE("Numora", "%1 against chance: %2 %3 of a %4-number tip with a draw");
  }
  return PatternText(pattern, std::move(values));
}

std::vector<std::vector<PatternText>> rows(const ChanceComparison& comparison) {
  std::vector<std::vector<PatternText>> cells;
  for (const HitGroup& group : comparison.groups) {
    for (int k = group.firstHits; k <= group.lastHits; ++k) {
      const auto at = static_cast<std::size_t>(k);
      cells.push_back({PatternText("%1", {wholeNumber(k)}),
                       PatternText("%1", {wholeNumber(comparison.observed[at])}),
                       PatternText("%1", {fixedNumber(comparison.expected[at], 2)}),
                       hitRange(group)});
    }
  }
  return cells;
}

const char* verdictLine(const ChanceComparison& comparison) {
  return comparison.pValue >= 0.05
             ? NUMORA_TRANSLATABLE("Numora",
                                   "Verdict: the difference is within chance (p >= 0.05).")
             : NUMORA_TRANSLATABLE("Numora",
                                   "Verdict: the difference is larger than chance explains (p < "
                                   "0.05).");
}

PatternText lawLine(const BacktestTotals& totals) {
  if (isRecurrence(totals.kind)) {
    return NUMORA_TRANSLATABLE("Numora",
                               "Law of chance: the numbers two draws of 20 out of 70 share "
                               "(hypergeometric law); expected = comparisons x chance of the hit "
                               "count.");
  }
  const char* pattern =
      totals.kind == BacktestKind::SingleCalculation
          ? NUMORA_TRANSLATABLE("Numora",
                                "Law of chance: the hits of a %1-number tip in a draw of 20 out of "
                                "70 (hypergeometric law); expected = tips x cycles x chance of the "
                                "hit count.")
          : NUMORA_TRANSLATABLE("Numora",
                                "Law of chance: the hits of a %1-number tip in a draw of 20 out of "
                                "70 (hypergeometric law); expected = the tips of each cycle, "
                                "summed over the cycles, x chance of the hit count.");
  return PatternText(pattern, {wholeNumber(totals.numbersPerTip)});
}

// The winnings of the tips against those of random histories, per unit stake.
PatternText winningsLine(const ChanceComparison::Simulation& simulation) {
  return PatternText(
      NUMORA_TRANSLATABLE("Numora",
                          "Winnings per unit stake: observed %1; chance gives %2 on average, "
                          "90 %% of the random histories between %3 and %4."),
      {fixedNumber(*simulation.observedWinnings, 3), fixedNumber(simulation.meanWinnings, 3),
       fixedNumber(simulation.lowWinnings, 3), fixedNumber(simulation.highWinnings, 3)});
}

ShownNumber grouped(std::int64_t count) {
  return ShownNumber{static_cast<double>(count), 0, true};
}

PatternText testLine(const ChanceComparison& comparison) {
  if (const auto& simulation = comparison.simulation) {
    return PatternText(
        simulation->histories == 1
            ? NUMORA_TRANSLATABLE("Numora",
                                  "Simulated test: X2 = %1; %2 of %3 random history reached it, "
                                  "p = %4.")
            : NUMORA_TRANSLATABLE("Numora",
                                  "Simulated test: X2 = %1; %2 of %3 random histories reached "
                                  "it, p = %4."),
        {fixedNumber(comparison.chiSquared, 2), grouped(simulation->atLeastObserved),
         grouped(simulation->histories), fixedNumber(comparison.pValue, 3)});
  }
  return PatternText(
      comparison.degreesOfFreedom == 1
          ? NUMORA_TRANSLATABLE("Numora",
                                "Chi-squared goodness of fit: X2 = %1 with %2 degree of freedom, "
                                "p = %3.")
          : NUMORA_TRANSLATABLE("Numora",
                                "Chi-squared goodness of fit: X2 = %1 with %2 degrees of freedom, "
                                "p = %3."),
      {fixedNumber(comparison.chiSquared, 2), wholeNumber(comparison.degreesOfFreedom),
       fixedNumber(comparison.pValue, 3)});
}

PatternText poolingLine(const ChanceComparison& comparison) {
  std::string pools;
  for (const HitGroup& group : comparison.groups) {
    if (group.firstHits != group.lastHits) pools += (pools.empty() ? "" : ", ") + hitRange(group);
  }
  if (pools.empty()) {
    return NUMORA_TRANSLATABLE("Numora",
                               "Hit counts that chance expects fewer than 5 times are pooled "
                               "with their neighbours: none needed.");
  }
  return PatternText(NUMORA_TRANSLATABLE("Numora",
                                         "Hit counts that chance expects fewer than 5 times are "
                                         "pooled with their neighbours (%1)."),
                     {pools});
}

std::vector<PatternText> memoLines(const BacktestTotals& totals,
                                   const ChanceComparison& comparison) {
  std::vector<PatternText> lines;
  const auto& simulation = comparison.simulation;
  if (!comparison.testable) {
    lines.emplace_back(NUMORA_TRANSLATABLE(
        "Numora",
        "Too few comparisons for the chi-squared goodness-of-fit test: it needs at least two "
        "groups of hit counts that chance expects 5 times or more."));
  } else {
    // The verdict first: the memo shows its first lines without scrolling.
    lines.emplace_back(verdictLine(comparison));
    lines.push_back(testLine(comparison));
  }
  if (simulation && simulation->observedWinnings) lines.push_back(winningsLine(*simulation));
  lines.push_back(lawLine(totals));
  lines.push_back(poolingLine(comparison));
  if (isRecurrence(totals.kind)) {
    lines.emplace_back(NUMORA_TRANSLATABLE(
        "Numora",
        "Assumptions: every draw is 20 numbers drawn at random from 70, independent of the "
        "others. Each comparison is of a distinct pair of draws, so the chi-squared law holds "
        "for the sum."));
  } else {
    lines.emplace_back(NUMORA_TRANSLATABLE(
        "Numora",
        "Assumptions: every draw is 20 numbers drawn at random from 70, independent of the "
        "other draws and of the tips. The p-value is the share of random histories (the tips of "
        "each cycle kept, every draw replaced by a random one) whose chi-squared sum over the "
        "same groups reaches the observed one, so tips that share numbers are allowed for."));
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
  showChanceComparison(form, *last, compareWithChance(*last));
}

void showChanceComparison(Form& form, const BacktestTotals& last,
                          const ChanceComparison& comparison) {
  form.ChanceTitle.setCaption(title(last, comparison));
  form.ChanceGrid.setRows(rows(comparison));
  PatternText memo;
  for (const auto& line : memoLines(last, comparison)) {
    if (!memo.pattern().empty()) memo += "\n";
    memo += line;
  }
  form.ChanceMemo.setText(std::move(memo));
}

std::vector<std::string> chanceLines(const Form& form) {
  std::vector<std::string> lines{form.ChanceTitle.caption(), joinCells(form.ChanceGrid.columns())};
  for (const auto& row : form.ChanceGrid.rows()) lines.push_back(joinCells(row));
  for (const auto& line : splitLines(form.ChanceMemo.text())) lines.push_back(line);
  return lines;
}

}  // namespace numora
