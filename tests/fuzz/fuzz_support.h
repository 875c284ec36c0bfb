// What the fuzz targets share: the invariant check that stops a run, the checks of a draw, and a
// scratch folder for the operations that take a path.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "common/day_date.h"

namespace numora::fuzz {

// A broken invariant is a finding: the message names it and the run stops as a crash would.
[[noreturn]] void fail(const char* what);
inline void require(bool holds, const char* what) {
  if (!holds) fail(what);
}

// Twenty distinct numbers 1..70, the only numbers a draw may hold.
bool isWholeDraw(const std::array<std::uint8_t, 20>& numbers);
// A whole day from first to last.
bool isDayWithin(DayCount date, DayCount first, DayCount last);

// The clock of every target: the day the test histories end.
DayCount fuzzNow();

// A folder of the process's own (in memory where the system offers one), removed at exit.
const std::filesystem::path& scratchFolder();
void writeFile(const std::filesystem::path& path, std::string_view bytes);
std::string readFile(const std::filesystem::path& path);

inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

}  // namespace numora::fuzz
