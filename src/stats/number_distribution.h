// How often each number was drawn in the statistics window, and how often each cross sum.
#pragma once

#include "draws/current_draw.h"

namespace numora {

void SpeedButton2Click(DrawContext context);  // number distribution
void SpeedButton9Click(DrawContext context);  // cross-sum distribution

}  // namespace numora
