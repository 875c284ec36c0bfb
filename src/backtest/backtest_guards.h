// What a back-test changes for its run and puts back however it ends: the edit-list option
// (a calculation inside a test must not stop for the number-choice dialog), the numbers-per-tip
// setting of the recurrence tests.
#pragma once

#include "form/form.h"
#include "form/wait_cursor.h"

namespace numora {

class EditListOff {
 public:
  explicit EditListOff(Form& form) : form_(form), saved_(form.CheckBox20.checked()) {
    form_.CheckBox20.setChecked(false);
  }
  ~EditListOff() { form_.CheckBox20.setChecked(saved_); }
  EditListOff(const EditListOff&) = delete;
  EditListOff& operator=(const EditListOff&) = delete;

 private:
  Form& form_;
  bool saved_;
};

// All 20 numbers of a probe are compared: the setting goes to 20 for the run and ends at 10
// with a maximum of 10, whatever it was before.
class TwentyNumbersPerTip {
 public:
  explicit TwentyNumbersPerTip(Form& form) : form_(form) {
    form_.UpDown18.setMax(20);
    form_.UpDown18.setPosition(20);
  }
  ~TwentyNumbersPerTip() {
    form_.UpDown18.setMax(10);
    form_.UpDown18.setPosition(10);
  }
  TwentyNumbersPerTip(const TwentyNumbersPerTip&) = delete;
  TwentyNumbersPerTip& operator=(const TwentyNumbersPerTip&) = delete;

 private:
  Form& form_;
};

}  // namespace numora
