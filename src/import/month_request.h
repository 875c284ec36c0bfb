// The request of one month's results page for the selected lottery, sent to the results site
// the user set on the "Internet-Options" tab. The page text goes into Memo1.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "common/day_date.h"
#include "common/translatable.h"
#include "form/form.h"
#include "form/platform.h"
#include "import/http_client.h"

namespace numora {

constexpr const char* kResultsPath = "/canada/keno-results";
constexpr const char* kNoResultsSite = NUMORA_TRANSLATABLE(
    "Numora", "Please enter the address of the results site on the Internet-Options tab.");

// Thrown when no results site is set; the update run tells the user where to set it.
class NoResultsSiteError : public std::runtime_error {
 public:
  NoResultsSiteError() : std::runtime_error(kNoResultsSite) {}
};

// The results site's address with a path, or nothing while no site is set.
std::optional<std::string> resultsSiteAddress(const Form& form, const std::string& path);

// The request for the month of day and the lottery, from the form's site and proxy fields.
// Throws for a missing or plain-http site and for a proxy port that is no integer, before
// anything is sent.
HttpRequest monthRequest(const Form& form, int lotteryIndex, DayCount day);

// Sends the request, keeps the page in Memo1 and sets the status texts. The window keeps
// processing events while the request runs; once stopRequested says so, the request is given up
// within a second (RequestCancelled). A failed request throws HttpError and leaves Memo1 as it
// was.
void fetchMonth(Form& form, Platform& platform, HttpClient& http, int lotteryIndex, DayCount day,
                const std::function<bool()>& stopRequested);

}  // namespace numora
