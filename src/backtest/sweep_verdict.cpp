#include "backtest/sweep_verdict.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>

#include "backtest/chance_comparison.h"
#include "backtest/chance_simulation.h"

namespace numora {
namespace {

std::string fixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

std::string pText(double p) {
  return p < 0.0001 ? "< 0.0001" : fixed(p, 4);
}

std::string hitsText(const BacktestTotals& totals) {
  std::string text;
  for (int k = 0; k <= totals.numbersPerTip; ++k) {
    if (!text.empty()) text += ' ';
    text += std::to_string(k) + ":" + std::to_string(totals.hits[static_cast<std::size_t>(k)]);
  }
  return text;
}

const SweepCell* bestBeyondChance(const std::vector<SweepCell>& cells, bool better) {
  const SweepCell* best = nullptr;
  for (const SweepCell& cell : cells) {
    if (cell.adjustedP >= kSweepLevel || (cell.winnings > cell.expected) != better) continue;
    if (!best || cell.adjustedP < best->adjustedP) best = &cell;
  }
  return best;
}

}  // namespace

void scoreSweepCell(SweepCell& cell, int simulations) {
  BacktestTotals plain = cell.totals;
  plain.scoredCycles.clear();
  // Without scored cycles the comparison only pools the hit counts; the simulation below keeps
  // the tips of every cycle.
  const ChanceComparison comparison = compareWithChance(plain, 1);
  cell.comparisons = comparison.comparisons;
  ChanceSimulationRequest request;
  request.cycles = cell.totals.scoredCycles;
  request.groups = comparison.groups;
  request.prizeByHits = prizesByHits(cell.totals);
  request.simulations = simulations;
  request.threads = 1;
  request.keepWinnings = true;
  ChanceSimulationResult simulated = simulateChance(request);
  cell.pValue = comparison.testable ? simulated.pValue : 1.0;
  if (simulated.winnings) {
    cell.winnings = simulated.winnings->observed;
    cell.expected = simulated.winnings->mean;
    cell.low = simulated.winnings->low;
    cell.high = simulated.winnings->high;
  }
  cell.simulatedWinnings = std::move(simulated.simulatedWinnings);
}

void adjustHolm(std::vector<SweepCell>& cells) {
  std::vector<std::size_t> order(cells.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return cells[a].pValue < cells[b].pValue; });
  double floor = 0;
  const auto m = static_cast<double>(cells.size());
  for (std::size_t rank = 0; rank < order.size(); ++rank) {
    SweepCell& cell = cells[order[rank]];
    floor = std::max(floor, std::min(1.0, (m - static_cast<double>(rank)) * cell.pValue));
    cell.adjustedP = floor;
  }
}

std::optional<LuckFigure> bestOfChance(const std::vector<SweepCell>& cells) {
  if (cells.empty()) return std::nullopt;
  std::size_t histories = cells.front().simulatedWinnings.size();
  for (const SweepCell& cell : cells)
    histories = std::min(histories, cell.simulatedWinnings.size());
  if (histories == 0) return std::nullopt;
  std::vector<double> best(histories, -1e300);
  for (const SweepCell& cell : cells) {
    for (std::size_t h = 0; h < histories; ++h)
      best[h] = std::max(best[h], cell.simulatedWinnings[h]);
  }
  LuckFigure luck;
  luck.mean = std::accumulate(best.begin(), best.end(), 0.0) / static_cast<double>(histories);
  std::sort(best.begin(), best.end());
  const auto rank =
      static_cast<std::size_t>(std::clamp(std::ceil(0.95 * static_cast<double>(histories)) - 1.0,
                                          0.0, static_cast<double>(histories - 1)));
  luck.high = best[rank];
  return luck;
}

bool anyBeyondChance(const std::vector<SweepCell>& cells, double level) {
  return std::any_of(cells.begin(), cells.end(),
                     [level](const SweepCell& cell) { return cell.adjustedP < level; });
}

std::string sweepVerdict(const SweepResult& result) {
  if (result.cells.empty()) return "No setting finished, so there is nothing to judge.";
  const std::string tried =
      std::to_string(result.cells.size()) + (result.cells.size() == 1 ? " setting" : " settings");
  if (const SweepCell* cell = bestBeyondChance(result.cells, true)) {
    return "The setting " + cell->label +
           " did better than chance explains, even allowing for the " + tried +
           " tried (adjusted p = " + pText(cell->adjustedP) + ").";
  }
  if (const SweepCell* cell = bestBeyondChance(result.cells, false)) {
    return "No setting did better than chance explains; " + cell->label +
           " did worse than chance explains, allowing for the " + tried +
           " tried (adjusted p = " + pText(cell->adjustedP) + ").";
  }
  double smallest = 1;
  for (const SweepCell& cell : result.cells) smallest = std::min(smallest, cell.adjustedP);
  return "No setting did better than chance explains, allowing for the " + tried +
         " tried (smallest adjusted p = " + pText(smallest) + ").";
}

std::vector<std::string> sweepLines(const SweepResult& result) {
  std::vector<std::string> lines;
  if (!result.failure.empty()) lines.push_back("Sweep: " + result.failure);
  for (const SweepCell& cell : result.cells) {
    lines.push_back("Sweep: " + cell.label + "; comparisons " + std::to_string(cell.comparisons) +
                    "; hits " + hitsText(cell.totals) + "; return " + fixed(cell.winnings, 4) +
                    " (chance " + fixed(cell.expected, 4) + ", 90 % within " + fixed(cell.low, 4) +
                    ".." + fixed(cell.high, 4) + "); p " + pText(cell.pValue) + ", adjusted " +
                    pText(cell.adjustedP));
  }
  lines.push_back("Settings finished: " + std::to_string(result.cells.size()) + " of " +
                  std::to_string(result.settings) + (result.stopped ? " (stopped)" : ""));
  lines.push_back("Verdict: " + sweepVerdict(result));
  if (!result.cells.empty() && result.luck) {
    const SweepCell& best = result.cells.front();
    lines.push_back("Best: " + best.label + " returned " + fixed(best.winnings, 4) +
                    " per unit stake; the best of " + std::to_string(result.cells.size()) +
                    " settings of pure chance returns " + fixed(result.luck->mean, 4) +
                    " on average and up to " + fixed(result.luck->high, 4) +
                    " in 95 % of random histories.");
  }
  return lines;
}

}  // namespace numora
