#include "evaluation/odds_text.h"

#include <cmath>
#include <cstdio>

#include "common/translatable.h"

namespace numora {

std::string joinCells(const std::vector<std::string>& cells) {
  std::string line;
  for (const auto& cell : cells) line += (line.empty() ? "" : " | ") + cell;
  return line;
}

namespace {

// X of "1 in X" for a chance above 0: two decimals below 10, one below 1000, then whole.
ShownNumber oneInTimes(const Ratio& chance) {
  const double times =
      static_cast<double>(chance.denominator) / static_cast<double>(chance.numerator);
  // The rounded figure decides the format, so 9.996 reads "1 in 10.0", not "1 in 10.00".
  if (std::round(times * 100) < 1000) return fixedNumber(times, 2);
  if (std::round(times * 10) < 10000) return fixedNumber(times, 1);
  // Large odds are grouped in every format: "1 in 2,147,181".
  return ShownNumber{std::round(times), 0, true};
}

}  // namespace

PatternText oneIn(const Ratio& chance) {
  if (chance.numerator == 0) return NUMORA_TRANSLATABLE("Numora", "never");
  return PatternText(NUMORA_TRANSLATABLE("Numora", "1 in %1"), {oneInTimes(chance)});
}

PatternText percentOf(const Ratio& share) {
  return PatternText("%1 %%", {fixedNumber(share.value() * 100, 1)});
}

const char* lotteryName(int lotteryIndex) {
  return lotteryIndex == 0 ? "Keno Atlantic" : "Daily Keno";
}

std::vector<std::vector<PatternText>> oddsCells(const OddsTable& table) {
  std::vector<std::vector<PatternText>> cells;
  // Most hits first, as the prize tables list their classes.
  for (auto row = table.rows.rbegin(); row != table.rows.rend(); ++row) {
    const bool wins = row->prize > 0;
    cells.push_back({PatternText("%1", {wholeNumber(table.numbersPerTip)}),
                     PatternText("%1", {wholeNumber(row->hits)}), oneIn(row->probability),
                     wins ? PatternText("%1", {wholeNumber(row->prize)}) : PatternText("-"),
                     wins ? percentOf(row->returnShare) : PatternText("-")});
  }
  return cells;
}

PatternText oddsSummary(const OddsTable& table) {
  std::vector<PatternValue> values{wholeNumber(table.numbersPerTip), wholeNumber(1),
                                   fixedNumber(table.expectedReturn.value(), 2)};
  if (table.winChance.numerator == 0) {
    return PatternText(NUMORA_TRANSLATABLE("Numora",
                                           "%1 numbers per tip: on average a stake of %2 returns "
                                           "%3; nothing wins."),
                       std::move(values));
  }
  values.emplace_back(oneInTimes(table.winChance));
  return PatternText(NUMORA_TRANSLATABLE("Numora",
                                         "%1 numbers per tip: on average a stake of %2 returns "
                                         "%3; the chance of winning anything is 1 in %4."),
                     std::move(values));
}

}  // namespace numora
