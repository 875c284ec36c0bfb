#include "generator/zahlenwahl.h"

#include "common/translatable.h"

#include <algorithm>

#include "common/text.h"

namespace numora {

TForm6::TForm6() {}

void TForm6::restoreDesign() {
  Random* random = random_;
  const std::uint64_t changes = changes_;
  *this = TForm6();
  random_ = random;
  changes_ = changes + 1;
}

void TForm6::setChecked(int number, bool checked) {
  NumberBox& box = mutableBox(number);
  if (box.checked == checked) return;
  box.checked = checked;
  ++changes_;
  if (checked) CheckBox1Click(number);
}

void TForm6::setWeight(int number, std::string weight) {
  mutableBox(number).weight = std::move(weight);
  ++changes_;
}

void TForm6::CheckBox1Click(int number) {
  NumberBox& box = mutableBox(number);
  if (!box.checked) return;
  const auto weight = parseStrictInt(box.weight);
  box.weight = weight ? std::to_string(static_cast<long long>(*weight) + 1) : "1";
  ++changes_;
}

int TForm6::pickSize() const {
  return std::min(maxtipp, kTippreihe);
}

void TForm6::uncheckAllNeutral() {
  for (int n = 1; n <= kNumbers; ++n) {
    setChecked(n, false);
    mutableBox(n).colour = BoxColour::Neutral;
  }
  ++changes_;
}

void TForm6::BitBtn4Click() {
  if (!timerEnabled_) {
    timerEnabled_ = true;
    uncheckAllNeutral();
    Tippreihe.fill(0);
    Losgeht = 1;
  } else if (Losgeht < pickSize()) {
    ++Losgeht;  // the slot drawn last stays; the later ones go on shuffling
  } else {
    FormClose();
  }
}

void TForm6::Timer1Timer() {
  if (!timerEnabled_ || !random_) return;
  BitBtn4.caption = std::to_string(Losgeht) + " Stopp";
  uncheckAllNeutral();
  for (int i = 1; i < Losgeht; ++i) chooseHighlighted(Tippreihe[static_cast<std::size_t>(i)]);
  for (int i = Losgeht; i <= pickSize(); ++i) {
    int number = 0;
    do {
      number = static_cast<int>(random_->next(kNumbers)) + 1;
      Tippreihe[static_cast<std::size_t>(i)] = number;
    } while (box(number).checked);
    chooseHighlighted(number);
  }
}

void TForm6::FormClose() {
  timerEnabled_ = false;
  BitBtn4.caption = kRandomCaption;
  Losgeht = 1;
  ++changes_;
}

std::vector<int> TForm6::checkedNumbers() const {
  std::vector<int> numbers;
  for (int n = 1; n <= kNumbers; ++n) {
    if (box(n).checked) numbers.push_back(n);
  }
  return numbers;
}

std::string TForm6::tickedCountText() const {
  if (!editing_) return {};
  return std::to_string(checkedNumbers().size()) + " of " + std::to_string(maxtipp) + " numbers";
}

bool TForm6::tooManyTicked() const {
  return editing_ && static_cast<int>(checkedNumbers().size()) > maxtipp;
}

void TForm6::clearChoices() {
  for (int n = 1; n <= kNumbers; ++n) setChecked(n, false);
}

void TForm6::setNeutralColour() {
  for (auto& box : boxes_) box.colour = BoxColour::Neutral;
  ++changes_;
}

void TForm6::chooseHighlighted(int number) {
  if (number < 1 || number > kNumbers) return;
  setChecked(number, true);
  mutableBox(number).colour = BoxColour::Yellow;
  ++changes_;
}

void TForm6::useEditButtons(bool edit) {
  editing_ = edit;
  BitBtn4.visible = edit;
  BitBtn3.visible = !edit;
  ++changes_;
}

void TForm6::setCaption(const std::string& caption) {
  caption_ = caption;
  ++changes_;
}

void TForm6::useDrawEntry(bool entry, bool offerMidday) {
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

void TForm6::setEntryDate(DayCount date) {
  DateTimePicker1Date = date;
  ++changes_;
}

void TForm6::setMiddayChosen(bool midday) {
  Midday = midday;
  ++changes_;
}

}  // namespace numora
