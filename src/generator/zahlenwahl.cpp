#include "generator/zahlenwahl.h"

#include "common/translatable.h"

#include <algorithm>

#include "common/text.h"

namespace numora {

NumberChoiceModel::NumberChoiceModel() {}

void NumberChoiceModel::restoreDesign() {
  Random* random = random_;
  const std::uint64_t changes = changes_;
  *this = NumberChoiceModel();
  random_ = random;
  changes_ = changes + 1;
}

void NumberChoiceModel::setChecked(int number, bool checked) {
  NumberBox& box = mutableBox(number);
  if (box.checked == checked) return;
  box.checked = checked;
  ++changes_;
  if (checked) raiseWeightOfTicked(number);
}

void NumberChoiceModel::setWeight(int number, std::string weight) {
  mutableBox(number).weight = std::move(weight);
  ++changes_;
}

void NumberChoiceModel::raiseWeightOfTicked(int number) {
  NumberBox& box = mutableBox(number);
  if (!box.checked) return;
  const auto weight = parseStrictInt(box.weight);
  box.weight = weight ? std::to_string(static_cast<long long>(*weight) + 1) : "1";
  ++changes_;
}

int NumberChoiceModel::pickSize() const {
  return std::min(tipLimit, kPickSlots);
}

void NumberChoiceModel::uncheckAllNeutral() {
  for (int n = 1; n <= kNumbers; ++n) {
    setChecked(n, false);
    mutableBox(n).colour = BoxColour::Neutral;
  }
  ++changes_;
}

void NumberChoiceModel::pressRandomButton() {
  if (!timerEnabled_) {
    timerEnabled_ = true;
    uncheckAllNeutral();
    pickedNumbers.fill(0);
    nextPickSlot = 1;
  } else if (nextPickSlot < pickSize()) {
    ++nextPickSlot;  // the slot drawn last stays; the later ones go on shuffling
  } else {
    stopRandomPick();
  }
}

void NumberChoiceModel::shuffleOpenSlots() {
  if (!timerEnabled_ || !random_) return;
  BitBtn4.caption =
      fillPattern(NUMORA_TRANSLATABLE("Numora", "%1 Stopp"), {std::to_string(nextPickSlot)});
  uncheckAllNeutral();
  for (int i = 1; i < nextPickSlot; ++i)
    chooseHighlighted(pickedNumbers[static_cast<std::size_t>(i)]);
  for (int i = nextPickSlot; i <= pickSize(); ++i) {
    int number = 0;
    do {
      number = static_cast<int>(random_->next(kNumbers)) + 1;
      pickedNumbers[static_cast<std::size_t>(i)] = number;
    } while (box(number).checked);
    chooseHighlighted(number);
  }
}

void NumberChoiceModel::stopRandomPick() {
  timerEnabled_ = false;
  BitBtn4.caption = kRandomCaption;
  nextPickSlot = 1;
  ++changes_;
}

std::vector<int> NumberChoiceModel::checkedNumbers() const {
  std::vector<int> numbers;
  for (int n = 1; n <= kNumbers; ++n) {
    if (box(n).checked) numbers.push_back(n);
  }
  return numbers;
}

std::string NumberChoiceModel::tickedCountText() const {
  if (!editing_) return {};
  return fillPattern(NUMORA_TRANSLATABLE("Numora", "%1 of %2 numbers"),
                     {std::to_string(checkedNumbers().size()), std::to_string(tipLimit)});
}

bool NumberChoiceModel::tooManyTicked() const {
  return editing_ && static_cast<int>(checkedNumbers().size()) > tipLimit;
}

void NumberChoiceModel::clearChoices() {
  for (int n = 1; n <= kNumbers; ++n) setChecked(n, false);
}

void NumberChoiceModel::setNeutralColour() {
  for (auto& box : boxes_) box.colour = BoxColour::Neutral;
  ++changes_;
}

void NumberChoiceModel::chooseHighlighted(int number) {
  if (number < 1 || number > kNumbers) return;
  setChecked(number, true);
  mutableBox(number).colour = BoxColour::Yellow;
  ++changes_;
}

void NumberChoiceModel::useEditButtons(bool edit) {
  editing_ = edit;
  BitBtn4.visible = edit;
  BitBtn3.visible = !edit;
  ++changes_;
}

void NumberChoiceModel::setCaption(const std::string& caption) {
  caption_ = caption;
  ++changes_;
}

void NumberChoiceModel::useDrawEntry(bool entry, bool offerMidday) {
  DateTimePicker1Visible = entry;
  MiddayVisible = entry && offerMidday;
  valueListsVisible = !entry;
  // The live count helps to tick exactly the 20 numbers of a draw.
  editing_ = entry;
  BitBtn4.visible = false;
  BitBtn3.visible = !entry;
  setNeutralColour();
  setCaption(entry ? NUMORA_TRANSLATABLE("Numora", "numbers and confirm with OK")
                   : NUMORA_TRANSLATABLE("Numora", "Select figures for calculation"));
}

void NumberChoiceModel::setEntryDate(DayCount date) {
  DateTimePicker1Date = date;
  ++changes_;
}

void NumberChoiceModel::setMiddayChosen(bool midday) {
  Midday = midday;
  ++changes_;
}

}  // namespace numora
