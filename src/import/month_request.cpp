#include "import/month_request.h"

#include "common/translatable.h"

#include <atomic>
#include <chrono>
#include <future>

#include "common/text.h"
#include "draws/lottery.h"

namespace numora {
namespace {

constexpr auto kEventInterval = std::chrono::milliseconds(20);

std::string siteAddress(const std::string& text) {
  std::string site(trim(text));
  while (!site.empty() && site.back() == '/') site.pop_back();
  if (site.empty()) throw NoResultsSiteError();
  if (site.find("://") == std::string::npos) site = "https://" + site;
  // The draws must come over TLS, so that nobody on the way can change them.
  if (site.rfind("https://", 0) != 0) {
    throw std::runtime_error(fillPattern(
        NUMORA_TRANSLATABLE("Numora", "The results site must be an https:// address: %1"), {site}));
  }
  return site;
}

}  // namespace

std::optional<std::string> resultsSiteAddress(const Form& form, const std::string& path) {
  try {
    return siteAddress(form.ResultsSiteEdit.text()) + path;
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

HttpRequest monthRequest(const Form& form, int lotteryIndex, DayCount day) {
  const auto port = parseStrictInt(form.ProxyPortEdit.text());
  if (!port) {
    throw std::runtime_error(
        fillPattern(NUMORA_TRANSLATABLE("Numora", "'%1' is not a valid integer value"),
                    {form.ProxyPortEdit.text()}));
  }
  HttpRequest request;
  request.url = siteAddress(form.ResultsSiteEdit.text()) + kResultsPath;
  const CivilDate date = decodeDate(day);
  char year[8];
  std::snprintf(year, sizeof year, "%04d", date.year);
  request.fields = {
      {"data_r", year},
      {"tryb", "xmiesiac"},
      {"data_m", std::to_string(date.month)},
      {"ig", lotteryIndex == kKenoAtlantic ? "Keno Atlantic" : "dailykeno-numbers"},
      {"sb", "\" Search \""},
  };
  request.headers = {"Accept: text/html, */*",
                     "User-Agent: Mozilla/3.0 (compatible; Indy Library)"};
  // A field of blanks means no proxy, as an empty one does.
  request.proxyHost = std::string(trim(form.ProxyHostEdit.text()));
  request.proxyPort = *port;
  request.verifyCertificate = !form.AnyCertificateCheckBox.checked();
  return request;
}

void fetchMonth(Form& form, Platform& platform, HttpClient& http, int lotteryIndex, DayCount day,
                const std::function<bool()>& stopRequested) {
  HttpRequest request = monthRequest(form, lotteryIndex, day);
  std::atomic<bool> cancel{false};
  request.cancel = &cancel;
  form.StatusBar1.setPanel(0, NUMORA_TRANSLATABLE("Numora", "Loading"));
  platform.repaint();
  // The request runs beside the window, which keeps painting and answering meanwhile; a stop or
  // the closing window gives it up.
  auto answer = std::async(std::launch::async, [&] { return http.post(request); });
  while (answer.wait_for(kEventInterval) != std::future_status::ready) {
    platform.processEvents();
    if (stopRequested()) cancel = true;
  }
  HttpResponse response;
  try {
    response = answer.get();
  } catch (...) {
    form.StatusBar1.setPanel(0, "");  // no longer loading; the error itself is reported
    throw;
  }
  form.Memo1.setText("");
  form.Memo1.setText(response.body);
  form.StatusBar1.setPanel(0, formatIsoDate(day) + "  " + response.statusLine);
  form.StatusBar1.setPanel(
      1, NUMORA_TRANSLATABLE("Numora", "Not guarantee the accuracy of the figures!"));
}

}  // namespace numora
