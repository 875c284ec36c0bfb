// Every pool option and every filter of the tip calculation switched off, the cross-sum bounds
// wide open: the pool is 1..70 once each and any candidate passes.
#pragma once

#include "form/form.h"

namespace numora::test {

inline void switchOffEveryOption(Form& form) {
  for (int n : {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14,
                15, 17, 18, 19, 20, 22, 23, 24, 25, 26, 27, 30, 31}) {
    form.checkBox(n)->setChecked(false);
  }
  form.UpDown2.setPosition(1);
  form.UpDown15.setPosition(1400);
}

}  // namespace numora::test
