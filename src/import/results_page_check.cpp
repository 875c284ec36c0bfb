#include "import/results_page_check.h"

#include <algorithm>
#include <cctype>

#include "common/translatable.h"
#include "import/page_scan.h"

namespace numora {
namespace {

constexpr std::string_view kPageEnd = "</html>";

// The sentence that says what went wrong, then where the update stopped.
std::string fetchedAgain(const std::string& sentence, DayCount day) {
  return fillPattern(NUMORA_TRANSLATABLE("Numora",
                                         "%1 The update stopped at %2; the draws before it are "
                                         "kept and the next update fetches that day again."),
                     {sentence, formatDate(day)});
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
  // The month with %1 for its year.
  static constexpr const char* kMonths[] = {
      NUMORA_TRANSLATABLE("Numora", "January %1"),   NUMORA_TRANSLATABLE("Numora", "February %1"),
      NUMORA_TRANSLATABLE("Numora", "March %1"),     NUMORA_TRANSLATABLE("Numora", "April %1"),
      NUMORA_TRANSLATABLE("Numora", "May %1"),       NUMORA_TRANSLATABLE("Numora", "June %1"),
      NUMORA_TRANSLATABLE("Numora", "July %1"),      NUMORA_TRANSLATABLE("Numora", "August %1"),
      NUMORA_TRANSLATABLE("Numora", "September %1"), NUMORA_TRANSLATABLE("Numora", "October %1"),
      NUMORA_TRANSLATABLE("Numora", "November %1"),  NUMORA_TRANSLATABLE("Numora", "December %1")};
  const CivilDate date = decodeDate(day);
  return fillPattern(kMonths[date.month - 1], {std::to_string(date.year)});
}

std::string incompletePageMessage(DayCount day) {
  return fetchedAgain(
      fillPattern(NUMORA_TRANSLATABLE("Numora", "The results page for %1 arrived incomplete."),
                  {monthAndYear(day)}),
      day);
}

std::string emptyMonthMessage(DayCount day) {
  return fetchedAgain(
      fillPattern(
          NUMORA_TRANSLATABLE("Numora", "The results page for %1 lists none of the month's draws."),
          {monthAndYear(day)}),
      day);
}

std::string missingDrawMessage(DayCount day, const std::string& drawName) {
  return fetchedAgain(
      fillPattern(NUMORA_TRANSLATABLE("Numora", "The results page does not list the %1 of %2."),
                  {drawName, formatDate(day)}),
      day);
}

std::string rejectedDrawMessage(DayCount day, const std::string& drawName) {
  return fetchedAgain(
      fillPattern(NUMORA_TRANSLATABLE("Numora",
                                      "The %1 of %2 on the results page is not 20 different "
                                      "numbers from 1 to 70."),
                  {drawName, formatDate(day)}),
      day);
}

}  // namespace numora
