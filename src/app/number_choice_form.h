// The number-choice dialog TForm6 as the window and numora-cli drive it: the model with the
// handlers under the names the dialog's controls call them by.
#pragma once

#include "generator/zahlenwahl.h"

namespace numora {

class TForm6 : public NumberChoiceModel {
 public:
  void BitBtn4Click() { pressRandomButton(); }
  void Timer1Timer() { shuffleOpenSlots(); }
  void FormClose() { stopRandomPick(); }
  void CheckBox1Click(int number) { raiseWeightOfTicked(number); }
  void SpeedButton1Click(Platform& platform) { saveValueList(platform); }
  void SpeedButton2Click(Platform& platform) { loadValueList(platform); }
};

}  // namespace numora
