// How often each number was drawn in the statistics window, and how often each cross sum.
#pragma once

#include "draws/current_draw.h"

namespace numora {

void chartNumberDistribution(DrawContext context);
void chartCrossSumDistribution(DrawContext context);

}  // namespace numora
