#include "evaluation/odds_page.h"

#include "evaluation/odds_text.h"

namespace numora {
namespace {

std::string title(const Form& form) {
  return std::string(lotteryName(form.lotteryIndex())) +
         ": the chance of each hit count for one "
         "tip and its prize per unit stake";
}

}  // namespace

std::vector<OddsTable> requestedOddsTables(const Form& form) {
  std::vector<OddsTable> tables;
  if (form.OddsAllSizesCheckBox.checked()) {
    for (int size = 2; size <= 10; ++size) tables.push_back(oddsTable(form.lotteryIndex(), size));
  } else {
    tables.push_back(oddsTable(form.lotteryIndex(), form.numbersPerTip()));
  }
  return tables;
}

void showOdds(Form& form) {
  std::vector<std::vector<std::string>> rows;
  std::string summary;
  for (const OddsTable& table : requestedOddsTables(form)) {
    for (auto& cells : oddsCells(table, form.numberFormat)) rows.push_back(std::move(cells));
    summary += (summary.empty() ? "" : "\n") + oddsSummary(table, form.numberFormat);
  }
  form.OddsTitle.setCaption(title(form));
  form.OddsGrid.setRows(std::move(rows));
  form.OddsMemo.setText(summary);
}

std::vector<std::string> oddsLines(const Form& form) {
  std::vector<std::string> lines{title(form), joinCells(form.OddsGrid.columns())};
  const auto tables = requestedOddsTables(form);
  for (const OddsTable& table : tables) {
    for (const auto& cells : oddsCells(table)) lines.push_back(joinCells(cells));
  }
  for (const OddsTable& table : tables) lines.push_back(oddsSummary(table));
  return lines;
}

}  // namespace numora
