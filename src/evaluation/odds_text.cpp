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

namespace {

// Whole numbers with a comma between thousands: 2147181 -> "2,147,181".
std::string grouped(double value) {
  std::string digits = formatFixed(std::round(value), 0);
  for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3) {
    digits.insert(static_cast<std::size_t>(at), ",");
  }
  return digits;
}

}  // namespace

std::string formatOneIn(const Ratio& chance) {
  if (chance.numerator == 0) return "never";
  const double times =
      static_cast<double>(chance.denominator) / static_cast<double>(chance.numerator);
  // The rounded figure decides the format, so 9.996 reads "1 in 10.0", not "1 in 10.00".
  if (std::round(times * 100) < 1000) return "1 in " + formatFixed(times, 2);
  if (std::round(times * 10) < 10000) return "1 in " + formatFixed(times, 1);
  return "1 in " + grouped(times);
}

std::string formatPercent(const Ratio& share) {
  return formatFixed(share.value() * 100, 1) + " %";
}

const char* lotteryName(int lotteryIndex) {
  return lotteryIndex == 0 ? "Keno Atlantic" : "Daily Keno";
}

std::vector<std::vector<std::string>> oddsCells(const OddsTable& table) {
  std::vector<std::vector<std::string>> cells;
  // Most hits first, as the prize tables list their classes.
  for (auto row = table.rows.rbegin(); row != table.rows.rend(); ++row) {
    const bool wins = row->prize > 0;
    cells.push_back({std::to_string(table.numbersPerTip), std::to_string(row->hits),
                     formatOneIn(row->probability), wins ? std::to_string(row->prize) : "-",
                     wins ? formatPercent(row->returnShare) : "-"});
  }
  return cells;
}

std::string oddsSummary(const OddsTable& table) {
  return std::to_string(table.numbersPerTip) +
         " numbers per tip: on average a stake of 1 returns " +
         formatFixed(table.expectedReturn.value(), 2) + "; the chance of winning anything is " +
         formatOneIn(table.winChance) + ".";
}

}  // namespace numora
