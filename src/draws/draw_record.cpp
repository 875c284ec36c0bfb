#include "draws/draw_record.h"

#include <algorithm>
#include <bit>

namespace numora {

int DrawRecord::crossSum() const {
  int sum = 0;
  for (const auto number : numbers) sum += number;
  return sum;
}

std::array<std::uint8_t, DrawRecord::kSize> DrawRecord::encode() const {
  std::array<std::uint8_t, kSize> bytes{};
  const auto bits = std::bit_cast<std::uint64_t>(date);
  for (std::size_t i = 0; i < 8; ++i) bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
  std::copy(numbers.begin(), numbers.end(), bytes.begin() + 8);
  std::copy(extra.begin(), extra.end(), bytes.begin() + 28);
  std::copy(reserved.begin(), reserved.end(), bytes.begin() + 33);
  return bytes;
}

DrawRecord DrawRecord::decode(std::span<const std::uint8_t, kSize> bytes) {
  DrawRecord record;
  std::uint64_t bits = 0;
  for (std::size_t i = 0; i < 8; ++i) bits |= std::uint64_t{bytes[i]} << (8 * i);
  record.date = std::bit_cast<double>(bits);
  std::copy(bytes.begin() + 8, bytes.begin() + 28, record.numbers.begin());
  std::copy(bytes.begin() + 28, bytes.begin() + 33, record.extra.begin());
  std::copy(bytes.begin() + 33, bytes.end(), record.reserved.begin());
  return record;
}

}  // namespace numora
