// The number-choice dialog (module Zahlenwahl) as data: 70 check boxes whose hint holds a number
// weight, the buttons the callers show or hide, and the animated random pick. It lives as long
// as the main window; the Qt dialog only shows it, through the handlers of TForm6
// (app/number_choice_form.h).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/random.h"
#include "common/translatable.h"
#include "form/number_choice_dialog.h"
#include "form/platform.h"

namespace numora {

enum class BoxColour { Design, Neutral, Yellow };

struct NumberBox {
  bool checked = true;
  std::string weight;  // the box's hint text
  BoxColour colour = BoxColour::Design;
};

struct DialogButton {
  std::string caption;
  bool visible = true;
};

class NumberChoiceModel : public NumberChoiceDialog {
 public:
  static constexpr const char* kDesignCaption =
      NUMORA_TRANSLATABLE("Numora", "What numbers to calculate");
  static constexpr const char* kRandomCaption = NUMORA_TRANSLATABLE("Numora", "Zufall");
  static constexpr int kPickSlots = 10;
  static constexpr int kTimerMilliseconds = 25;

  NumberChoiceModel();
  // Back to the designed state, as a newly created dialog: every box ticked without a weight,
  // the designed buttons and caption, no random pick running.
  void restoreDesign();

  const std::string& caption() const { return caption_; }
  const NumberBox& box(int number) const { return boxes_.at(static_cast<std::size_t>(number - 1)); }
  std::uint64_t changeCount() const { return changes_; }

  // A tick by the user or by code; the weight rule applies when the box becomes ticked.
  void setChecked(int number, bool checked);
  void setWeight(int number, std::string weight);
  // The weight rule: a box that became ticked gets its weight raised by one ("1" when the
  // weight is no whole number).
  void raiseWeightOfTicked(int number);

  DialogButton BitBtn1{NUMORA_TRANSLATABLE("Numora", "OK"), true};
  DialogButton BitBtn2{NUMORA_TRANSLATABLE("Numora", "Abort"), true};
  DialogButton BitBtn3{NUMORA_TRANSLATABLE("Numora", "Calculate"), true};
  DialogButton BitBtn4{NUMORA_TRANSLATABLE("Numora", "&Random"), false};
  bool DateTimePicker1Visible = false;
  // Draw entry: the date field's date, the midday choice and whether the value lists show.
  DayCount DateTimePicker1Date = 0;
  bool MiddayVisible = false;
  bool Midday = false;
  bool valueListsVisible = true;

  // The random pick.
  int tipLimit = 10;
  std::array<int, kPickSlots + 1> pickedNumbers{};  // pickedNumbers[1..10]
  int nextPickSlot = 1;
  bool timerEnabled() const { return timerEnabled_; }
  // Starts the pick, fixes the slot shuffling now, or ends the pick after the last slot.
  void pressRandomButton();
  // One tick of the animation: the open slots get new random numbers.
  void shuffleOpenSlots();
  void stopRandomPick();

  // Value lists (".hlw"): the ticks and weights of the 70 boxes.
  void saveValueList(Platform& platform);
  void loadValueList(Platform& platform);

  std::vector<int> checkedNumbers() const;
  // While a tip is edited: "N of K numbers", the ticked boxes of the numbers the tip takes
  // (tipLimit); a tip keeps only the first K ticked numbers. Empty otherwise.
  std::string tickedCountText() const;
  // More boxes ticked than the edited tip takes.
  bool tooManyTicked() const;

  // NumberChoiceDialog
  void clearChoices() override;
  void setNeutralColour() override;
  void chooseHighlighted(int number) override;
  bool isChosen(int number) const override { return box(number).checked; }
  void setMaxTipp(int count) override {
    tipLimit = count;
    ++changes_;
  }
  void useEditButtons(bool edit) override;
  void setCaption(const std::string& caption) override;
  void useDrawEntry(bool entry, bool offerMidday) override;
  void setEntryDate(DayCount date) override;
  DayCount entryDate() const override { return DateTimePicker1Date; }
  void setMiddayChosen(bool midday) override;
  bool middayChosen() const override { return Midday; }

  // The generator the random pick draws from: the program's shared one.
  void useRandom(Random* random) { random_ = random; }

 private:
  NumberBox& mutableBox(int number) { return boxes_.at(static_cast<std::size_t>(number - 1)); }
  void uncheckAllNeutral();
  // The slots the pick fills: never more than pickedNumbers holds.
  int pickSize() const;

  std::array<NumberBox, kNumbers> boxes_;
  std::string caption_ = kDesignCaption;
  bool timerEnabled_ = false;
  bool editing_ = false;
  Random* random_ = nullptr;
  std::uint64_t changes_ = 0;
};

}  // namespace numora
