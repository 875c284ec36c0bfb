// What the window says while the selected lottery has no stored draw: the draw caption and the
// empty statistics chart tell a new user how to get a history in, and say nothing once a draw
// is stored.
#pragma once

#include <string>

#include "form/form.h"

namespace numora {

// "No draws of Daily Keno yet: ..." for the lottery of the given index.
std::string firstStartHint(int lotteryIndex);

// With no stored draw the hint takes the draw captions and the chart's plot area; with draws
// the chart's hint goes (the captions are the current draw's own).
void showFirstStartHint(Form& form, bool noDraws);

}  // namespace numora
