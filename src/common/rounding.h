// Rounding of real values to integers: to the nearest integer, an exact half to the even one.
#pragma once

#include <cstdint>

namespace numora {

std::int64_t roundHalfEven(double value);

}  // namespace numora
