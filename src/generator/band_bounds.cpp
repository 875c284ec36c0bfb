#include "generator/band_bounds.h"

namespace numora {

std::int64_t roundRatio(std::int64_t numerator, std::int64_t denominator) {
  // Floor division, then the remainder decides: more than half up, an exact half to even.
  std::int64_t quotient = numerator / denominator;
  std::int64_t remainder = numerator % denominator;
  if (remainder < 0) {
    remainder += denominator;
    --quotient;
  }
  const std::int64_t twice = 2 * remainder;
  if (twice > denominator || (twice == denominator && quotient % 2 != 0)) ++quotient;
  return quotient;
}

std::int64_t upperBandStart(std::int64_t lo, std::int64_t hi, std::int64_t shareNumerator,
                            std::int64_t shareDenominator) {
  return roundRatio(hi * shareDenominator - shareNumerator * (hi - lo), shareDenominator);
}

std::int64_t lowerBandEnd(std::int64_t lo, std::int64_t hi, std::int64_t shareNumerator,
                          std::int64_t shareDenominator) {
  return roundRatio(lo * shareDenominator + shareNumerator * (hi - lo), shareDenominator);
}

}  // namespace numora
