#include "tips/tip_editing.h"

#include "common/translatable.h"

#include <cstdio>
#include <string_view>
#include <vector>

#include "common/text.h"
#include "evaluation/komplettcheck.h"

namespace numora {
namespace {

constexpr std::size_t kMostNumberTexts = 26;

// The number texts of a tip line, split at its commas.
std::vector<std::string_view> numberTexts(std::string_view line) {
  std::vector<std::string_view> texts;
  while (texts.size() < kMostNumberTexts) {
    const auto comma = line.find(',');
    texts.push_back(line.substr(0, comma));
    if (comma == std::string_view::npos) break;
    line.remove_prefix(comma + 1);
  }
  return texts;
}

void preselect(NumberChoiceDialog& dialog, const std::string& line) {
  for (const std::string_view text : numberTexts(line)) {
    // Blanks around a number are ignored, as the full check ignores them after a comma, so a
    // tip the full check reads whole opens whole and OK keeps it.
    const auto number = parseStrictInt(trim(text));
    // A text that is no number 0..70 ends the preselection; 0 has no box.
    if (!number || *number < 0 || *number > NumberChoiceDialog::kNumbers) return;
    if (*number != 0) dialog.chooseHighlighted(*number);
  }
}

std::string tipText(const NumberChoiceDialog& dialog, int numbersPerTip) {
  std::string text;
  int taken = 0;
  for (int n = 1; n <= NumberChoiceDialog::kNumbers && taken < numbersPerTip; ++n) {
    if (!dialog.isChosen(n)) continue;
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%s%.2d", taken ? "," : "", n);
    text += buffer;
    ++taken;
  }
  return text;
}

}  // namespace

void editSelectedTip(Form& form, Platform& platform, NumberChoiceDialog& dialog) {
  if (form.ListBox1.count() == 0) {
    form.ListBox1.add("");
    form.ListBox1.setItemIndex(0);
  }
  const int selected = form.ListBox1.itemIndex();
  if (selected < 0) {
    platform.showMessage(NUMORA_TRANSLATABLE("Numora", "First select a tip from"));
    return;
  }

  const int numbersPerTip = form.numbersPerTip();
  dialog.useEditButtons(true);
  dialog.setMaxTipp(numbersPerTip);
  dialog.clearChoices();
  dialog.setNeutralColour();
  preselect(dialog, form.ListBox1.line(static_cast<std::size_t>(selected)));

  if (platform.showNumberChoiceDialog() == ModalResult::Ok) {
    form.ListBox1.setLine(static_cast<std::size_t>(selected), tipText(dialog, numbersPerTip));
  }

  dialog.useEditButtons(false);
  dialog.setNeutralColour();
  dialog.setCaption(NUMORA_TRANSLATABLE("Numora", "Select numbers for calculation"));
  Komplettcheck(form, platform);
}

}  // namespace numora
