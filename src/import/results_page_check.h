// What makes a fetched month page trustworthy enough to take draws from, and the messages of
// the update run when a due draw is not there. A due draw that the page should hold but does
// not ends the run like a failed request, so that no later draw is stored behind a hole.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "common/day_date.h"

namespace numora {

class ResultsPageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A whole page ends with its closing html tag; a page cut off in transfer does not.
bool isCompletePage(std::string_view page);
// True when the page lists at least one draw of the month (a date key of that month).
bool listsMonth(std::string_view page, int year, int month);

// "May 2023"
std::string monthAndYear(DayCount day);

// The messages, each ending with what happens next.
std::string incompletePageMessage(DayCount day);
std::string emptyMonthMessage(DayCount day);
// drawName: "draw", "midday draw" or "evening draw".
std::string missingDrawMessage(DayCount day, const std::string& drawName);
std::string rejectedDrawMessage(DayCount day, const std::string& drawName);

}  // namespace numora
