// The dates a lottery sets in the window: no picker goes before its first draw, and the
// statistics start with it.
#pragma once

#include "form/form.h"

namespace numora {

// Both pickers' lower limits and the statistics start date become the lottery's first draw
// date; the picked date stays unless it lies below the new limit.
void applyLotteryDates(Form& form, int lotteryIndex);

}  // namespace numora
