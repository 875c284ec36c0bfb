#include "evaluation/evaluation_report.h"

#include <array>

#include "common/text.h"
#include "evaluation/prize_table.h"

namespace numora {
namespace {

const char* classLabel(int hits) {
  static constexpr const char* kLabels[] = {" x  0er ", " x  1er ", " x  2er ", " x  3er ",
                                            " x  4er ", " x  5er ", " x  6er ", " x  7er ",
                                            " x  8er ", " x  9er ", " x 10er "};
  return kLabels[hits];
}

}  // namespace

int stakePerTip(const Form& form) {
  static constexpr int kStakes[] = {1, 2, 5, 10};
  const int index = form.ComboBox1.itemIndex();
  // The list accepts no typed text; before any choice it shows "1".
  return index >= 0 && index < 4 ? kStakes[index] : 1;
}

PatternText evaluationReport(const Form& form, int stakePerTip) {
  std::array<long long, 11> count{};
  for (const auto& line : form.ListBox2.lines()) {
    // The full check writes only 0..10; anything else in the list is not priced.
    const auto hits = parseStrictInt(line);
    if (hits && *hits >= 0 && *hits <= 10) ++count[static_cast<std::size_t>(*hits)];
  }
  PatternText text = "you have \n";
  for (const PrizeClass& prize : prizeClasses(form.lotteryIndex(), form.numbersPerTip())) {
    const long long tips = count[static_cast<std::size_t>(prize.hits)];
    if (tips < 1) continue;
    text += PatternText(std::string("%1") + classLabel(prize.hits) + "\t%2\n",
                        {wholeNumber(tips), wholeNumber(stakePerTip * tips * prize.prize)});
  }
  text += "\nwithout guarantee";
  return text;
}

void showEvaluationReport(Form& form, Platform& platform) {
  platform.showMessage(evaluationReport(form, stakePerTip(form)));
}

}  // namespace numora
