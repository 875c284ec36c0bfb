#include "high/high.h"
#ifdef PROBE_MISSING_LINK
// Declared by hand: the include would already fail without the link.
int lowValue();
#else
#include "low/low.h"
#endif
int highValue() {
  return lowValue() + 1;
}
