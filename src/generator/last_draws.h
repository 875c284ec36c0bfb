// The first step of a calculation: the last three draws before the picked date, read with the
// draw steps, and the draw the calculation returns to afterwards. For Daily Keno the draw shown
// may be the evening draw of the picked date while show by date would pick that date's midday
// draw; a calculation started there works from the shown draw and leaves the user on it.
#pragma once

#include <array>
#include <optional>

#include "generator/calculation_context.h"

namespace numora {

using LastDrawNumbers = std::array<int, 20>;

struct LastDraws {
  std::array<LastDrawNumbers, 3> draws{};  // last, second-last, third-last
};

// The draw a calculation comes back to: the shown Daily Keno draw when it lies on the picked
// date, otherwise the draw show by date finds for the picked date.
struct PickedDraw {
  std::optional<std::size_t> position;
};

PickedDraw rememberPickedDraw(const CalculationContext& context);
// Shows that draw again with everything show by date sets: caption, cross sum, Zahl5, the
// picker and the full check.
void showPickedDraw(const CalculationContext& context, const PickedDraw& picked);

// Shows the picked draw, steps back twice, then shows the picked draw again; the picked date
// is the same afterwards.
LastDraws readLastDraws(const CalculationContext& context, const PickedDraw& picked);

}  // namespace numora
