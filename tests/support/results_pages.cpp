#include "support/results_pages.h"

#include <set>

#include "common/day_date.h"

namespace numora::test {
namespace {

const char* kDayNames[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

std::string numbersRow(const DrawRecord& draw) {
  std::string row = "<tr>";
  for (std::size_t i = 0; i < draw.numbers.size(); ++i) {
    // Every third cell carries blanks around its number, as the real pages do.
    const std::string number = std::to_string(draw.numbers[i]);
    row += "<td>" + (i % 3 == 1 ? " " + number + " " : number) + "</td>";
  }
  return row + "</tr>\n";
}

}  // namespace

std::string monthPage(bool dailyKeno, int year, int month, const std::vector<DrawRecord>& draws) {
  std::string page =
      "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\"></head>\n<body>\n"
      "<table class=\"results\">\n<tr class=\"head\"><th>Draw</th><th colspan=\"19\">Numbers "
      "drawn</th></tr>\n";
  for (const auto& draw : draws) {
    const CivilDate date = decodeDate(draw.date);
    if (date.year != year || date.month != month) continue;
    std::string mark;
    if (dailyKeno) mark = draw.isMidday() ? " M&nbsp;Midday" : " E&nbsp;Evening";
    page += "<tr class=\"date\"><td colspan=\"20\">" +
            std::string(kDayNames[weekdayIndex(draw.date)]) + " (" + formatIsoDate(draw.date) +
            ")" + mark + "</td></tr>\n" + numbersRow(draw);
  }
  return page + "</table>\n</body></html>\n";
}

void FakeResultsSite::setPage(const std::string& ig, int year, int month, std::string page) {
  pages_[{ig, year, month}] = std::move(page);
}

void FakeResultsSite::publish(bool dailyKeno, const std::vector<DrawRecord>& draws) {
  std::set<std::pair<int, int>> months;
  for (const auto& draw : draws) {
    const CivilDate date = decodeDate(draw.date);
    months.insert({date.year, date.month});
  }
  const std::string ig = dailyKeno ? "dailykeno-numbers" : "Keno Atlantic";
  for (const auto& [year, month] : months) {
    setPage(ig, year, month, monthPage(dailyKeno, year, month, draws));
  }
}

void FakeResultsSite::failMonth(int year, int month, std::string error) {
  failures_[{year, month}] = std::move(error);
}

HttpResponse FakeResultsSite::post(const HttpRequest& request) {
  if (onRequest) onRequest();
  Request seen{};
  for (const auto& field : request.fields) {
    if (field.name == "ig") seen.ig = field.value;
    if (field.name == "data_r") seen.year = std::stoi(field.value);
    if (field.name == "data_m") seen.month = std::stoi(field.value);
  }
  requests_.push_back(seen);
  const auto failure = failures_.find({seen.year, seen.month});
  if (failure != failures_.end()) throw HttpError(failure->second);
  const auto page = pages_.find({seen.ig, seen.year, seen.month});
  return HttpResponse{"HTTP/1.1 200 OK", page == pages_.end() ? std::string() : page->second};
}

int FakeResultsSite::requestsFor(int year, int month) const {
  int count = 0;
  for (const auto& request : requests_) count += request.year == year && request.month == month;
  return count;
}

}  // namespace numora::test
