#include "app/sweep_page.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "backtest/sweep_verdict.h"
#include "common/translatable.h"

namespace numora {
namespace {

std::array<Edit*, kMostSweepOptions> rows(Form& form) {
  return {&form.SweepVary1, &form.SweepVary2, &form.SweepVary3};
}

std::array<const Edit*, kMostSweepOptions> rows(const Form& form) {
  return {&form.SweepVary1, &form.SweepVary2, &form.SweepVary3};
}

std::string fixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

std::string listLine(const SweepCell& cell) {
  return cell.label + " | return " + fixed(cell.winnings, 4) + " (chance " +
         fixed(cell.expected, 4) + ") | p " + fixed(cell.pValue, 4) + ", adjusted " +
         fixed(cell.adjustedP, 4) + " | " + std::to_string(cell.comparisons) + " comparisons";
}

}  // namespace

std::vector<SweepOption> readSweepOptions(const Form& form) {
  std::vector<SweepOption> options;
  for (const Edit* row : rows(form)) {
    auto option = parseSweepRow(row->text());
    if (!option) continue;
    checkSweepOption(form, *option);
    for (const SweepOption& earlier : options) {
      if (earlier.control == option->control) {
        throw SweepGridError(
            fillPattern(NUMORA_TRANSLATABLE("Numora", "%1 is varied twice"), {option->control}));
      }
    }
    options.push_back(std::move(*option));
  }
  return options;
}

void setSweepRow(Form& form, const std::string& control, const std::string& values) {
  const bool clearing = values.empty();
  if (!clearing) (void)parseSweepValues(values);
  const std::string text = clearing ? "" : control + " " + values;
  Edit* empty = nullptr;
  for (Edit* row : rows(form)) {
    const auto option = parseSweepRow(row->text());
    if (option && option->control == control) {
      row->setText(text);
      return;
    }
    if (!option && !empty) empty = row;
  }
  if (clearing) return;
  if (!empty) {
    throw SweepGridError(NUMORA_TRANSLATABLE("Numora", "A sweep varies at most three options"));
  }
  empty->setText(text);
}

void showSweepResult(Form& form, const SweepResult& result) {
  std::vector<std::string> lines;
  for (const SweepCell& cell : result.cells) lines.push_back(listLine(cell));
  form.SweepList.setLines(std::move(lines));
  form.SweepList.setItemIndex(result.cells.empty() ? -1 : 0);
  std::string verdict;
  for (const std::string& line : sweepLines(result)) {
    if (line.starts_with("Sweep: ")) continue;
    verdict += (verdict.empty() ? "" : "\n") + line;
  }
  form.SweepVerdictMemo.setText(verdict);
}

std::string sweepProgressText(const SweepProgress& progress) {
  const std::vector<std::string> done{std::to_string(progress.settingsDone),
                                      std::to_string(progress.settings)};
  if (progress.secondsLeft && progress.settingsDone < progress.settings) {
    return fillPattern(NUMORA_TRANSLATABLE("Numora", "Sweep: %1 of %2 settings, about %3 s left"),
                       {done[0], done[1],
                        std::to_string(static_cast<long long>(std::ceil(*progress.secondsLeft)))});
  }
  return fillPattern(NUMORA_TRANSLATABLE("Numora", "Sweep: %1 of %2 settings"), done);
}

std::string sweepCsv(const SweepResult& result) {
  int mostHits = 0;
  for (const SweepCell& cell : result.cells)
    mostHits = std::max(mostHits, cell.totals.numbersPerTip);
  std::string csv;
  for (const SweepOption& option : result.options) csv += option.control + ",";
  csv += "comparisons";
  for (int k = 0; k <= mostHits; ++k) csv += ",hits " + std::to_string(k);
  csv += ",return,chance return,chance low,chance high,p,adjusted p\r\n";
  for (const SweepCell& cell : result.cells) {
    for (const int value : cell.setting.values) csv += std::to_string(value) + ",";
    csv += std::to_string(cell.comparisons);
    for (int k = 0; k <= mostHits; ++k) {
      csv += "," + std::to_string(cell.totals.hits[static_cast<std::size_t>(k)]);
    }
    csv += "," + fixed(cell.winnings, 6) + "," + fixed(cell.expected, 6) + "," +
           fixed(cell.low, 6) + "," + fixed(cell.high, 6) + "," + fixed(cell.pValue, 6) + "," +
           fixed(cell.adjustedP, 6) + "\r\n";
  }
  return csv;
}

}  // namespace numora
