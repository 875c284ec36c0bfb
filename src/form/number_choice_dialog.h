// What the main window's operations need of the number-choice dialog: the 70 choices, their
// highlight, the size of a random pick, which buttons are offered and the caption. The dialog's
// model implements it; showing it modally goes through the Platform.
#pragma once

#include <string>

#include "common/day_date.h"

namespace numora {

class NumberChoiceDialog {
 public:
  static constexpr int kNumbers = 70;

  virtual ~NumberChoiceDialog() = default;
  // Unticks all 70 choices.
  virtual void clearChoices() = 0;
  // Gives all 70 choices the neutral colour.
  virtual void setNeutralColour() = 0;
  // Ticks number n (1..70) as code does (the weight rule applies) and marks it yellow.
  virtual void chooseHighlighted(int number) = 0;
  virtual bool isChosen(int number) const = 0;
  // How many numbers the random pick chooses.
  virtual void setMaxTipp(int count) = 0;
  // Tip editing offers the random pick and OK; the calculation offers "Calculate".
  virtual void useEditButtons(bool edit) = 0;
  virtual void setCaption(const std::string& caption) = 0;

  // Draw entry: a date field and, for Daily Keno, the midday choice; no random pick, no
  // "Calculate", no value lists. Leaving the mode gives the calculation's buttons back.
  virtual void useDrawEntry(bool entry, bool offerMidday) = 0;
  virtual void setEntryDate(DayCount date) = 0;
  virtual DayCount entryDate() const = 0;
  virtual void setMiddayChosen(bool midday) = 0;
  virtual bool middayChosen() const = 0;
};

}  // namespace numora
