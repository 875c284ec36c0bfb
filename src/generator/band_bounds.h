// The value bands the preparation derives from a statistic's value range lo..hi, computed
// exactly: 0.3 and X/100 are decimal fractions that binary floating point would turn into
// x.4999… or x.5000…1, so an exact half would not reliably round to its even neighbour.
#pragma once

#include <cstdint>

namespace numora {

// numerator / denominator rounded to the nearest integer, an exact half to the even one
// (denominator > 0).
std::int64_t roundRatio(std::int64_t numerator, std::int64_t denominator);

// R(hi − share·(hi − lo)) and R(lo + share·(hi − lo)) with share = shareNumerator /
// shareDenominator: the inner bound of an upper and of a lower band.
std::int64_t upperBandStart(std::int64_t lo, std::int64_t hi, std::int64_t shareNumerator,
                            std::int64_t shareDenominator);
std::int64_t lowerBandEnd(std::int64_t lo, std::int64_t hi, std::int64_t shareNumerator,
                          std::int64_t shareDenominator);

}  // namespace numora
