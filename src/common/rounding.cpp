#include "common/rounding.h"

#include <cmath>

namespace numora {

std::int64_t roundHalfEven(double value) {
  const double floorValue = std::floor(value);
  const double fraction = value - floorValue;
  double result = floorValue;
  if (fraction > 0.5) {
    result = floorValue + 1;
  } else if (fraction == 0.5) {
    result = std::fmod(floorValue, 2.0) == 0 ? floorValue : floorValue + 1;
  }
  return static_cast<std::int64_t>(result);
}

}  // namespace numora
