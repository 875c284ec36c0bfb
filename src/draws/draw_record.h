// One stored draw: 40 bytes, little-endian, on every platform the same bytes.
//   0  8  date (IEEE-754 double, whole days since 30.12.1899)
//   8 20  the 20 numbers in the order the results page lists them
//  28  1  midday flag (1 = midday draw of Daily Keno)
//  29  4  further extra bytes, without meaning
//  33  7  reserved
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "common/day_date.h"

namespace numora {

struct DrawRecord {
  static constexpr std::size_t kSize = 40;
  static constexpr std::size_t kNumbers = 20;

  DayCount date = 0;
  std::array<std::uint8_t, kNumbers> numbers{};
  std::array<std::uint8_t, 5> extra{};  // Extra[1..5]: [0] is the midday flag
  std::array<std::uint8_t, 7> reserved{};

  bool isMidday() const { return extra[0] == 1; }
  int crossSum() const;

  std::array<std::uint8_t, kSize> encode() const;
  static DrawRecord decode(std::span<const std::uint8_t, kSize> bytes);

  bool operator==(const DrawRecord&) const = default;
};

}  // namespace numora
