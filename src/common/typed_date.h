// A date as a player types it into a date field, read whole: with dots ("5.5.2023",
// "05.05.23"), without separators ("05052023", "050523") or in ISO order ("2023-05-05").
// Two-digit years follow the rule the draw import reads them by.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/day_date.h"

namespace numora {

// The date the text names; nothing when it names no date of the calendar.
std::optional<DayCount> readTypedDate(std::string_view text);

// What the hint line says about typed text that is no date.
std::string typedTextRefusal(std::string_view text);

}  // namespace numora
