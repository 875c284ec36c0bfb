// How often each number 1..70 occurs in the tip list, charted in the statistics chart with
// the prime colouring.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "form/form.h"
#include "form/platform.h"

namespace numora {

// Counters for 0..70. A number text that is no integer ends the counting of the whole list;
// numbers outside 0..70 are not counted.
std::array<int, 71> countTipNumbers(const std::vector<std::string>& tips);

void chartTipDistribution(Form& form, Platform& platform);

}  // namespace numora
