#include "form/platform.h"

namespace numora {

int Platform::currentHour() {
  const DayCount moment = now();
  // A tiny margin keeps 19:00 from reading as 18 after the day fraction's rounding.
  return static_cast<int>((moment - dateOnly(moment)) * 24 + 1e-9);
}

}  // namespace numora
