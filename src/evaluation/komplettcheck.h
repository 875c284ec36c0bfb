// The full check: every tip of the tip list scored against the current draw, the hit list
// rebuilt beside it, the tally Statistik, the best-hit text and the hit sound.
#pragma once

#include "form/form.h"
#include "form/platform.h"

namespace numora {

// Returns the best hit count (0 for an empty list, no hits, no current draw, or while sortieren
// is false). Without a current draw the hit list stays empty.
int Komplettcheck(Form& form, Platform& platform);

}  // namespace numora
