// The libcurl web client against a real HTTPS results site on 127.0.0.1.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <thread>

#include "import/http_client.h"
#include "support/results_site.h"

namespace numora {
namespace {

using test::ResultsSite;
using test::SiteRequest;

const std::vector<std::string> kFieldNames = {"data_r", "tryb", "data_m", "ig", "sb"};

HttpRequest monthRequest(const ResultsSite& site, const std::string& ig = "Keno Atlantic",
                         int year = 2023, int month = 5) {
  HttpRequest request;
  request.url = site.resultsUrl();
  request.fields = {{"data_r", std::to_string(year)},
                    {"tryb", "xmiesiac"},
                    {"data_m", std::to_string(month)},
                    {"ig", ig},
                    {"sb", "\" Search \""}};
  request.headers = {"Accept: text/html, */*",
                     "User-Agent: Mozilla/3.0 (compatible; Indy Library)"};
  request.caFile = site.caFile();
  request.connectTimeoutMs = 2000;
  request.readTimeoutMs = 3000;
  return request;
}

std::string errorOf(HttpClient& client, const HttpRequest& request) {
  try {
    client.post(request);
  } catch (const HttpError& error) {
    return error.what();
  }
  return "(no error)";
}

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string page(const ResultsSite& site, const std::string& name) {
  return readFile(site.pagesFolder() / name);
}

// Sets (or with nullopt removes) an environment variable for one scope.
class ScopedEnv {
 public:
  ScopedEnv(std::string name, const std::optional<std::string>& value) : name_(std::move(name)) {
    if (const char* old = std::getenv(name_.c_str())) old_ = old;
    if (value)
      ::setenv(name_.c_str(), value->c_str(), 1);
    else
      ::unsetenv(name_.c_str());
  }
  ~ScopedEnv() {
    if (old_)
      ::setenv(name_.c_str(), old_->c_str(), 1);
    else
      ::unsetenv(name_.c_str());
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string name_;
  std::optional<std::string> old_;
};

class HttpClientTest : public ::testing::Test {
 protected:
  // The requests the site saw since the given count.
  std::vector<SiteRequest> requestsSince(std::size_t count) const {
    const auto all = site.requests();
    return {all.begin() + static_cast<std::ptrdiff_t>(std::min(count, all.size())), all.end()};
  }

  ResultsSite site;
  std::unique_ptr<HttpClient> client = makeCurlHttpClient();
};

TEST_F(HttpClientTest, MonthPageOfEachLotteryComesBackWithItsStatusLine) {
  struct Case {
    std::string ig;
    int year;
    int month;
    std::string file;  // empty: the site has no page for the month
  };
  const std::vector<Case> cases = {{"Keno Atlantic", 2023, 5, "kenoatlantic-2023-05.html"},
                                   {"dailykeno-numbers", 2023, 6, "dailykeno-2023-06.html"},
                                   {"Keno Atlantic", 2023, 7, ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ig + " " + std::to_string(c.month));
    const auto response = client->post(monthRequest(site, c.ig, c.year, c.month));
    EXPECT_EQ(response.statusLine, "HTTP/1.1 200 OK");
    EXPECT_EQ(response.body, c.file.empty() ? "" : page(site, c.file));
    if (!c.file.empty()) {
      EXPECT_FALSE(response.body.empty());
    }

    const SiteRequest seen = site.requests().back();
    EXPECT_EQ(seen.method, "POST");
    EXPECT_EQ(seen.status, 200) << seen.reason;
    EXPECT_EQ(seen.fields, kFieldNames);
    EXPECT_EQ(seen.ig, c.ig);
    EXPECT_EQ(seen.year, c.year);
    EXPECT_EQ(seen.month, c.month);
  }
}

// The site's own checks, which make the 200 above mean that fields and headers arrived intact.
TEST_F(HttpClientTest, SiteRefusesARequestThatDoesNotFitTheForm) {
  struct Case {
    const char* what;
    void (*change)(HttpRequest&);
    const char* reason;
  };
  const std::vector<Case> cases = {
      {"fields swapped", [](HttpRequest& r) { std::swap(r.fields[0], r.fields[1]); }, "fields"},
      {"sb missing", [](HttpRequest& r) { r.fields.pop_back(); }, "fields"},
      {"sb without quotes", [](HttpRequest& r) { r.fields[4].value = " Search "; }, "sb"},
      {"month with a leading zero", [](HttpRequest& r) { r.fields[2].value = "05"; }, "data_m"},
      {"other agent", [](HttpRequest& r) { r.headers[1] = "User-Agent: curl"; }, "User-Agent"},
      {"no Accept", [](HttpRequest& r) { r.headers.erase(r.headers.begin()); }, "Accept"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    HttpRequest request = monthRequest(site);
    c.change(request);
    EXPECT_EQ(errorOf(*client, request), "The requested URL returned error: 400");
    const SiteRequest seen = site.requests().back();
    EXPECT_EQ(seen.status, 400);
    EXPECT_NE(seen.reason.find(c.reason), std::string::npos) << seen.reason;
  }
}

TEST_F(HttpClientTest, BodyBytesArriveAsSent) {
  std::string pattern = (std::filesystem::temp_directory_path() / "numora-pages-XXXXXX").string();
  ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
  const std::filesystem::path pages = pattern;
  const std::string bytes("<td>7</td>\0\xff\xfe\r\n\xe4 (2023-07-01)\r", 28);
  std::ofstream(pages / "kenoatlantic-2023-07.html", std::ios::binary) << bytes;
  {
    ResultsSite own(pages);
    EXPECT_EQ(client->post(monthRequest(own, "Keno Atlantic", 2023, 7)).body, bytes);
  }
  std::filesystem::remove_all(pages);
}

TEST_F(HttpClientTest, CookieOfTheFirstAnswerIsSentBackByTheSameClientOnly) {
  client->post(monthRequest(site, "Keno Atlantic", 2023, 5));
  client->post(monthRequest(site, "Keno Atlantic", 2023, 6));
  makeCurlHttpClient()->post(monthRequest(site, "Keno Atlantic", 2023, 6));

  const auto seen = site.requests();
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_FALSE(seen[0].cookie);
  EXPECT_TRUE(seen[1].cookie) << "the second request of the run carries the cookie";
  EXPECT_FALSE(seen[2].cookie) << "another client starts without cookies";
}

TEST_F(HttpClientTest, RedirectsAreFollowed) {
  struct Case {
    int status;
    int times;
    const char* methodAfter;  // 302 after a POST turns into a GET, 307 posts the form again
  };
  const std::vector<Case> cases = {
      {302, 1, "GET"}, {307, 1, "POST"}, {302, 15, "GET"}, {307, 15, "POST"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.status) + " x" + std::to_string(c.times));
    site.redirect(c.status, c.times);
    const std::size_t before = site.requests().size();
    const auto response = client->post(monthRequest(site));
    EXPECT_EQ(response.statusLine, "HTTP/1.1 200 OK");
    EXPECT_EQ(response.body, page(site, "kenoatlantic-2023-05.html"));

    const auto seen = requestsSince(before);
    ASSERT_EQ(seen.size(), static_cast<std::size_t>(c.times + 1));
    for (std::size_t hop = 1; hop < seen.size(); ++hop) {
      EXPECT_EQ(seen[hop].method, c.methodAfter);
      if (std::string(c.methodAfter) == "POST") {
        EXPECT_EQ(seen[hop].fields, kFieldNames);
      }
    }
    EXPECT_EQ(seen.back().status, 200) << seen.back().reason;
    EXPECT_EQ(seen.back().hop, c.times);
  }
}

TEST_F(HttpClientTest, MoreThanFifteenRedirectsFail) {
  struct Case {
    int status;
    int times;  // < 0: the site redirects endlessly
  };
  for (const Case c : {Case{307, 16}, Case{302, -1}}) {
    SCOPED_TRACE(std::to_string(c.status) + " x" + std::to_string(c.times));
    site.redirect(c.status, c.times);
    const std::size_t before = site.requests().size();
    EXPECT_EQ(errorOf(*client, monthRequest(site)), "Maximum (15) redirects followed");
    EXPECT_EQ(requestsSince(before).size(), 16u);
  }
}

TEST_F(HttpClientTest, ErrorStatusFailsAndTheNextRequestStillWorks) {
  site.failMonth(2023, 5);
  EXPECT_EQ(errorOf(*client, monthRequest(site, "Keno Atlantic", 2023, 5)),
            "The requested URL returned error: 500");

  const auto response = client->post(monthRequest(site, "dailykeno-numbers", 2023, 6));
  EXPECT_EQ(response.statusLine, "HTTP/1.1 200 OK");
  EXPECT_EQ(response.body, page(site, "dailykeno-2023-06.html"));
}

TEST_F(HttpClientTest, StallLongerThanTheReadTimeOutFails) {
  site.stall(4);
  HttpRequest request = monthRequest(site);
  request.readTimeoutMs = 1000;
  EXPECT_EQ(errorOf(*client, request), "Read timed out after 1000 ms");
}

// The read time-out counts silence, not the length of the whole transfer.
TEST_F(HttpClientTest, SlowButSteadyPageIsNotCutOff) {
  site.trickle(4, 500);
  HttpRequest request = monthRequest(site);
  request.readTimeoutMs = 1000;
  EXPECT_EQ(client->post(request).body, page(site, "kenoatlantic-2023-05.html"));
}

double secondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// An answer without end is cut at the size cap instead of growing the memory without limit.
TEST_F(HttpClientTest, EndlessAnswerEndsAtTheSizeCap) {
  site.endlessPage();
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(errorOf(*client, monthRequest(site)),
            "The answer of the results site is larger than 4 MB; no results page is that large");
  EXPECT_LT(secondsSince(start), 5.0);
}

// A site that keeps sending a byte now and then, never silent long enough for the read
// time-out, is still given up after the limit of the whole request.
TEST_F(HttpClientTest, DrippingAnswerEndsAtTheLimitOfTheWholeRequest) {
  site.drip(300);
  HttpRequest request = monthRequest(site);
  request.totalTimeoutMs = 2000;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(errorOf(*client, request), "The results site did not finish its answer within 2 s");
  EXPECT_LT(secondsSince(start), 3.5);
}

// "Stop reading" and closing the window end a waiting request within a second.
TEST_F(HttpClientTest, ACancelEndsAWaitingRequestWithinASecond) {
  site.stall(8);
  HttpRequest request = monthRequest(site);
  request.readTimeoutMs = 20000;
  std::atomic<bool> cancel{false};
  request.cancel = &cancel;
  std::thread stopper([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    cancel = true;
  });
  const auto start = std::chrono::steady_clock::now();
  EXPECT_THROW(client->post(request), RequestCancelled);
  stopper.join();
  EXPECT_LT(secondsSince(start), 1.3 + 0.3);
}

TEST_F(HttpClientTest, RefusedConnectionFailsNamingTheAddress) {
  const int port = test::unusedLocalPort();
  HttpRequest request = monthRequest(site);
  request.url = "https://127.0.0.1:" + std::to_string(port) + "/canada/keno-results";
  const std::string message = errorOf(*client, request);
  EXPECT_EQ(message.rfind("Failed to connect to 127.0.0.1 port " + std::to_string(port), 0), 0u)
      << message;
  EXPECT_NE(message.find("Connection refused"), std::string::npos) << message;
}

// A listener that accepts the connection but never answers the TLS handshake: the connect
// time-out ends the request, not the (shorter) read time-out.
TEST_F(HttpClientTest, SilentListenerEndsAfterTheConnectTimeOut) {
  const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
  ASSERT_GE(listener, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), size), 0);
  ASSERT_EQ(::listen(listener, 4), 0);
  ASSERT_EQ(::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size), 0);

  HttpRequest request = monthRequest(site);
  request.url = "https://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/";
  request.connectTimeoutMs = 800;
  request.readTimeoutMs = 200;
  const std::string message = errorOf(*client, request);
  ::close(listener);
  EXPECT_TRUE(message.find("timed out") != std::string::npos ||
              message.find("timeout") != std::string::npos)
      << message;
  EXPECT_EQ(message.find("Read timed out"), std::string::npos) << message;
}

// One client in sequence: each request's TLS settings hold for that request alone.
TEST_F(HttpClientTest, CertificateIsVerifiedUnlessSwitchedOff) {
  struct Case {
    const char* what;
    bool verify;
    bool withCaFile;
    bool succeeds;
  };
  const std::vector<Case> cases = {
      {"verified against the system store", true, false, false},
      {"verified with the site's certificate as CA", true, true, true},
      {"not verified", false, false, true},
      {"verified again after an unverified request", true, false, false},
      {"verified with the CA file, then without it", true, true, true},
      {"without the CA file again", true, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    HttpRequest request = monthRequest(site);
    request.verifyCertificate = c.verify;
    request.caFile = c.withCaFile ? site.caFile() : "";
    if (c.succeeds) {
      EXPECT_EQ(client->post(request).body, page(site, "kenoatlantic-2023-05.html"));
    } else {
      const std::string message = errorOf(*client, request);
      EXPECT_NE(message.find("SSL certificate problem"), std::string::npos) << message;
    }
  }
}

TEST_F(HttpClientTest, ConfiguredProxyTunnelsTheRequestEvenForNoProxyHosts) {
  // A no_proxy variable must not override the proxy the user entered.
  ScopedEnv noProxy("no_proxy", "127.0.0.1,localhost");
  ScopedEnv noProxyUpper("NO_PROXY", "127.0.0.1,localhost");
  HttpRequest request = monthRequest(site);
  request.proxyHost = "127.0.0.1";
  request.proxyPort = site.proxyPort();
  const auto response = client->post(request);
  EXPECT_EQ(response.statusLine, "HTTP/1.1 200 OK") << "the proxy's own answer is not it";
  EXPECT_EQ(response.body, page(site, "kenoatlantic-2023-05.html"));
  EXPECT_EQ(site.tunnels(), std::vector<std::string>{"127.0.0.1:" + std::to_string(site.port())});

  // The next request without a proxy goes direct: no option stays from the one before.
  request.proxyHost.clear();
  client->post(request);
  EXPECT_EQ(site.tunnels().size(), 1u);
  EXPECT_EQ(site.requests().size(), 2u);
}

TEST_F(HttpClientTest, UnreachableProxyFails) {
  HttpRequest request = monthRequest(site);
  request.proxyHost = "127.0.0.1";
  request.proxyPort = test::unusedLocalPort();
  const std::string message = errorOf(*client, request);
  EXPECT_EQ(
      message.rfind("Failed to connect to 127.0.0.1 port " + std::to_string(request.proxyPort), 0),
      0u)
      << message;
  EXPECT_TRUE(site.requests().empty());
}

TEST_F(HttpClientTest, EmptyProxyHostIgnoresTheProxyEnvironment) {
  const std::string dead = "https://127.0.0.1:" + std::to_string(test::unusedLocalPort());
  ScopedEnv httpsProxy("https_proxy", dead);
  ScopedEnv httpsProxyUpper("HTTPS_PROXY", dead);
  ScopedEnv allProxy("all_proxy", dead);
  ScopedEnv allProxyUpper("ALL_PROXY", dead);
  ScopedEnv noProxy("no_proxy", std::nullopt);
  ScopedEnv noProxyUpper("NO_PROXY", std::nullopt);
  HttpRequest request = monthRequest(site);
  request.proxyPort = 1;  // meaningless without a host
  EXPECT_EQ(client->post(request).body, page(site, "kenoatlantic-2023-05.html"));
}

TEST_F(HttpClientTest, InvalidInputIsRefusedBeforeAnythingIsSent) {
  struct Case {
    const char* what;
    void (*change)(HttpRequest&);
    const char* message;
  };
  const std::vector<Case> cases = {
      {"proxy port 0",
       [](HttpRequest& r) {
         r.proxyHost = "127.0.0.1";
         r.proxyPort = 0;
       },
       "Invalid proxy port: 0"},
      {"proxy port 70000",
       [](HttpRequest& r) {
         r.proxyHost = "127.0.0.1";
         r.proxyPort = 70000;
       },
       "Invalid proxy port: 70000"},
      {"header with a line break",
       [](HttpRequest& r) { r.headers.push_back("X-Note: a\r\nCookie: forged=1"); },
       "Invalid request header (line break): X-Note: a\r\nCookie: forged=1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    HttpRequest request = monthRequest(site);
    c.change(request);
    EXPECT_EQ(errorOf(*client, request), c.message);
  }
  EXPECT_TRUE(site.requests().empty());
}

}  // namespace
}  // namespace numora
