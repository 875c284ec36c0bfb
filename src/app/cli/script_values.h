// Values as scripts write them and as the runner prints them: integers, flags 1/0, dates
// dd.mm.yyyy, number lists separated by one blank. A malformed value is a ScriptError that
// names what was expected.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "common/day_date.h"

namespace numora {

std::int64_t parseIntegerValue(std::string_view text, std::int64_t min, std::int64_t max);
bool parseFlagValue(std::string_view text);
DayCount parseDateValue(std::string_view text);

std::string formatFlag(bool value);
std::string formatNumberList(std::span<const int> numbers);

}  // namespace numora
