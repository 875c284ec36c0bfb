// The fixture histories read straight from their 40-byte records, so a test can work out
// what a statistic or an update run must show without going through the program's own reader.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace numora::test {

struct FixtureDraw {
  int day = 0;  // whole days since 30.12.1899, as the record stores its date
  std::array<int, 20> numbers{};
  bool midday = false;
  std::string bytes;  // the record as stored

  int crossSum() const;
  bool contains(int number) const;
};

// Whole days since 30.12.1899 for a calendar date.
int fixtureDay(int year, unsigned month, unsigned day);
// "dd.mm.yyyy" for such a day.
std::string fixtureDate(int day);

// The bytes of a fixture file.
std::string fixtureBytes(const std::string& fixture);
std::vector<FixtureDraw> readFixtureDraws(const std::string& fixture);

// The stored bytes of the draws, in their order.
std::string recordBytes(const std::vector<FixtureDraw>& draws);

}  // namespace numora::test
