#include "evaluation/odds_text.h"

#include <cmath>
#include <cstdio>

namespace numora {

std::string formatFixed(double value, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  return buffer;
}

std::string joinCells(const std::vector<std::string>& cells) {
  std::string line;
  for (const auto& cell : cells) line += (line.empty() ? "" : " | ") + cell;
  return line;
}

std::string formatOneIn(const Ratio& chance, const NumberFormat& format) {
  if (chance.numerator == 0) return "never";
  const double times =
      static_cast<double>(chance.denominator) / static_cast<double>(chance.numerator);
  // The rounded figure decides the format, so 9.996 reads "1 in 10.0", not "1 in 10.00".
  if (std::round(times * 100) < 1000) return "1 in " + formatDecimals(times, 2, format);
  if (std::round(times * 10) < 10000) return "1 in " + formatDecimals(times, 1, format);
  // Large odds are grouped in every format: "1 in 2,147,181".
  return "1 in " + groupThousands(formatFixed(std::round(times), 0), format.groupSeparator);
}

std::string formatPercent(const Ratio& share, const NumberFormat& format) {
  return formatDecimals(share.value() * 100, 1, format) + " %";
}

const char* lotteryName(int lotteryIndex) {
  return lotteryIndex == 0 ? "Keno Atlantic" : "Daily Keno";
}

std::vector<std::vector<std::string>> oddsCells(const OddsTable& table,
                                                const NumberFormat& format) {
  std::vector<std::vector<std::string>> cells;
  // Most hits first, as the prize tables list their classes.
  for (auto row = table.rows.rbegin(); row != table.rows.rend(); ++row) {
    const bool wins = row->prize > 0;
    cells.push_back({std::to_string(table.numbersPerTip), std::to_string(row->hits),
                     formatOneIn(row->probability, format),
                     wins ? formatAmount(row->prize, format) : "-",
                     wins ? formatPercent(row->returnShare, format) : "-"});
  }
  return cells;
}

std::string oddsSummary(const OddsTable& table, const NumberFormat& format) {
  return std::to_string(table.numbersPerTip) +
         " numbers per tip: on average a stake of 1 returns " +
         formatDecimals(table.expectedReturn.value(), 2, format) +
         "; the chance of winning anything is " + formatOneIn(table.winChance, format) + ".";
}

}  // namespace numora
