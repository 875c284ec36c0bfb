#include "low/low.h"
#ifdef PROBE_UPWARD_INCLUDE
#include "high/high.h"
#endif
int lowValue() {
  return 1;
}
