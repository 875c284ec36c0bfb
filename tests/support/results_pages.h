// Month pages of a results site built like the real ones, and a web client that serves them
// from memory, for update runs without a network.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "draws/draw_record.h"
#include "import/http_client.h"

namespace numora::test {

// The page of one month listing the given draws (other months' draws are left out). Daily
// Keno pages mark the midday row "M&nbsp;Midday" and the evening row "E&nbsp;Evening".
std::string monthPage(bool dailyKeno, int year, int month, const std::vector<DrawRecord>& draws);

// Serves month pages by (ig, year, month); a month without a page answers an empty body.
class FakeResultsSite : public HttpClient {
 public:
  struct Request {
    std::string ig;
    int year;
    int month;
  };

  void setPage(const std::string& ig, int year, int month, std::string page);
  // Every month of the draws, as the site would list them.
  void publish(bool dailyKeno, const std::vector<DrawRecord>& draws);
  // The request for this month fails with the given text.
  void failMonth(int year, int month, std::string error);

  HttpResponse post(const HttpRequest& request) override;

  const std::vector<Request>& requests() const { return requests_; }
  int requestsFor(int year, int month) const;
  // Called at the start of every request, e.g. to act "during" it.
  std::function<void()> onRequest;

 private:
  std::map<std::tuple<std::string, int, int>, std::string> pages_;
  std::map<std::pair<int, int>, std::string> failures_;
  std::vector<Request> requests_;
};

}  // namespace numora::test
