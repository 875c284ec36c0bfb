#include "fixture_draws.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "support/draw_fixtures.h"

namespace numora::test {
namespace {

constexpr std::size_t kRecordSize = 40;
constexpr std::size_t kNumbersAt = 8;
constexpr std::size_t kMiddayAt = 28;

constexpr std::chrono::sys_days kDayZero{std::chrono::year(1899) / 12 / 30};

}  // namespace

int FixtureDraw::crossSum() const {
  int sum = 0;
  for (const int number : numbers) sum += number;
  return sum;
}

bool FixtureDraw::contains(int number) const {
  return std::find(numbers.begin(), numbers.end(), number) != numbers.end();
}

int fixtureDay(int year, unsigned month, unsigned day) {
  const std::chrono::sys_days date{std::chrono::year(year) / std::chrono::month(month) /
                                   std::chrono::day(day)};
  return static_cast<int>((date - kDayZero).count());
}

std::string fixtureDate(int day) {
  const std::chrono::year_month_day date{kDayZero + std::chrono::days(day)};
  char text[16];
  std::snprintf(text, sizeof text, "%02u.%02u.%04d", static_cast<unsigned>(date.day()),
                static_cast<unsigned>(date.month()), static_cast<int>(date.year()));
  return text;
}

std::string fixtureBytes(const std::string& fixture) {
  std::ifstream in(testData(fixture), std::ios::binary);
  if (!in) throw std::runtime_error("no fixture " + fixture);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::vector<FixtureDraw> readFixtureDraws(const std::string& fixture) {
  const std::string bytes = fixtureBytes(fixture);
  if (bytes.size() % kRecordSize != 0) throw std::runtime_error(fixture + ": not whole records");
  std::vector<FixtureDraw> draws;
  for (std::size_t at = 0; at < bytes.size(); at += kRecordSize) {
    FixtureDraw draw;
    draw.bytes = bytes.substr(at, kRecordSize);
    double date = 0;
    static_assert(sizeof date == 8);
    std::memcpy(&date, draw.bytes.data(), sizeof date);  // little-endian, as this machine
    draw.day = static_cast<int>(date);
    for (std::size_t i = 0; i < draw.numbers.size(); ++i) {
      draw.numbers[i] = static_cast<unsigned char>(draw.bytes[kNumbersAt + i]);
    }
    draw.midday = draw.bytes[kMiddayAt] == 1;
    draws.push_back(std::move(draw));
  }
  return draws;
}

std::string recordBytes(const std::vector<FixtureDraw>& draws) {
  std::string bytes;
  for (const auto& draw : draws) bytes += draw.bytes;
  return bytes;
}

}  // namespace numora::test
