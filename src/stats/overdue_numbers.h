// For each number, how many draws of the statistics window have passed since it was last drawn.
#pragma once

#include "draws/current_draw.h"

namespace numora {

void chartOverdueNumbers(DrawContext context);

}  // namespace numora
