// Scanning a month's results page for one draw: the date key "(yyyy-mm-dd" locates the date,
// "E&nbsp" marks the evening draw of Daily Keno, and the numbers are the texts of the twenty
// table cells of the row "<tr><td>...</tr>" that follows the date.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/day_date.h"

namespace numora {

// First: the one draw of a Keno Atlantic date. Midday and Evening: the two draws of a Daily Keno
// date, told apart by the evening marker after the date.
enum class DrawSought { First, Midday, Evening };

// "(2023-05-05" for 5 May 2023.
std::string dateKey(DayCount day);

// The rest of the page from the draw sought on; nothing when the date is not on the page.
// An empty rest means the evening draw is not on the page.
std::optional<std::string_view> locateDraw(std::string_view page, DayCount day, DrawSought which);

struct ReadNumbers {
  enum class Result { Numbers, Failed, NoDraw };
  Result result = Result::Failed;
  std::array<int, 20> numbers{};
};

// The twenty cell texts of the draw's own row. The row fails when another date comes before
// it, when it is not closed by "</tr>", or when it holds anything but exactly twenty cells
// "<td>integer</td>" (blanks around the number allowed). A first number 0 means no draw.
ReadNumbers readNumbers(std::string_view rest);

// True for 20 distinct numbers 1..70, the only rows the draw file takes.
bool isValidDraw(const std::array<int, 20>& numbers);

}  // namespace numora
