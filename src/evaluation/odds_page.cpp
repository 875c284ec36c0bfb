#include "evaluation/odds_page.h"

#include "common/translatable.h"
#include "evaluation/odds_text.h"

namespace numora {
namespace {

PatternText title(const Form& form) {
  return PatternText(
      NUMORA_TRANSLATABLE("Numora",
                          "%1: the chance of each hit count for one tip and its prize per unit "
                          "stake"),
      {std::string(lotteryName(form.lotteryIndex()))});
}

std::vector<std::string> writtenCells(const std::vector<PatternText>& cells) {
  std::vector<std::string> written;
  for (const PatternText& cell : cells) written.push_back(cell.written());
  return written;
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
  std::vector<std::vector<PatternText>> rows;
  PatternText summary;
  for (const OddsTable& table : requestedOddsTables(form)) {
    for (auto& cells : oddsCells(table)) rows.push_back(std::move(cells));
    if (!summary.pattern().empty()) summary += "\n";
    summary += oddsSummary(table);
  }
  form.OddsTitle.setCaption(title(form));
  form.OddsGrid.setRows(std::move(rows));
  form.OddsMemo.setText(std::move(summary));
}

std::vector<std::string> oddsLines(const Form& form) {
  std::vector<std::string> lines{title(form).written(), joinCells(form.OddsGrid.columns())};
  const auto tables = requestedOddsTables(form);
  for (const OddsTable& table : tables) {
    for (const auto& cells : oddsCells(table)) lines.push_back(joinCells(writtenCells(cells)));
  }
  for (const OddsTable& table : tables) lines.push_back(oddsSummary(table).written());
  return lines;
}

}  // namespace numora
