#include "import/results_page_check.h"

#include <algorithm>
#include <cctype>

#include "import/page_scan.h"

namespace numora {
namespace {

constexpr std::string_view kPageEnd = "</html>";

std::string fetchedAgain(DayCount day) {
  return " The update stopped at " + formatDate(day) +
         "; the draws before it are kept and the next update fetches that day again.";
}

}  // namespace

bool isCompletePage(std::string_view page) {
  const auto found =
      std::search(page.begin(), page.end(), kPageEnd.begin(), kPageEnd.end(),
                  [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
  return found != page.end();
}

bool listsMonth(std::string_view page, int year, int month) {
  // "(2023-05-" without the day.
  const std::string key = dateKey(encodeDate(year, month, 1)).substr(0, 9);
  return page.find(key) != std::string_view::npos;
}

std::string monthAndYear(DayCount day) {
  static constexpr const char* kMonths[] = {"January",   "February", "March",    "April",
                                            "May",       "June",     "July",     "August",
                                            "September", "October",  "November", "December"};
  const CivilDate date = decodeDate(day);
  return std::string(kMonths[date.month - 1]) + " " + std::to_string(date.year);
}

std::string incompletePageMessage(DayCount day) {
  return "The results page for " + monthAndYear(day) + " arrived incomplete." + fetchedAgain(day);
}

std::string emptyMonthMessage(DayCount day) {
  return "The results page for " + monthAndYear(day) + " lists none of the month's draws." +
         fetchedAgain(day);
}

std::string missingDrawMessage(DayCount day, const std::string& drawName) {
  return "The results page does not list the " + drawName + " of " + formatDate(day) + "." +
         fetchedAgain(day);
}

std::string rejectedDrawMessage(DayCount day, const std::string& drawName) {
  return "The " + drawName + " of " + formatDate(day) +
         " on the results page is not 20 different numbers from 1 to 70." + fetchedAgain(day);
}

}  // namespace numora
