// A real HTTPS results site on 127.0.0.1 for tests of the import: runs results_site.py with a
// certificate made for the occasion, switches its behaviours and reads its request log. The site
// also runs a CONNECT proxy that tunnels to 127.0.0.1 only. Both stop with this object.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace numora::test {

// One request as the site saw it.
struct SiteRequest {
  std::string method;               // "POST", or "GET" after a 302
  int status = 0;                   // what the site answered
  std::string ig;                   // the lottery field
  int year = 0;                     // data_r
  int month = 0;                    // data_m
  bool cookie = false;              // the site's cookie came back with the request
  std::vector<std::string> fields;  // form field names in body order (empty for a GET)
  int hop = 0;                      // 0, or the number of redirects that led here
  std::string reason;               // why a 400 was given, "redirect", "fail" or ""
};

class ResultsSite {
 public:
  // Serves the month pages of pagesFolder (default: the test data folder).
  explicit ResultsSite(std::filesystem::path pagesFolder = {});
  ~ResultsSite();
  ResultsSite(const ResultsSite&) = delete;
  ResultsSite& operator=(const ResultsSite&) = delete;

  std::string url() const;         // "https://127.0.0.1:PORT"
  std::string resultsUrl() const;  // url() + "/canada/keno-results"
  std::string caFile() const { return (folder_ / "cert.pem").string(); }
  int port() const { return port_; }
  int proxyPort() const { return proxyPort_; }
  std::filesystem::path pagesFolder() const { return pages_; }

  // Behaviours; each call replaces the previous one.
  void normal();
  void failMonth(int year, int month);       // 500 for that month
  void redirect(int status, int times);      // 302 or 307, times < 0: endlessly
  void stall(int seconds);                   // half the body, then a pause (at most 8 s)
  void trickle(int chunks, int intervalMs);  // the body in pieces with pauses between
  void emptyPage();                          // 200 with an empty body
  void cutPage(double fraction);  // no length, part of the body, closed without close_notify
  void endlessPage();             // no length, body bytes until the client gives up
  void drip(int intervalMs);      // no length, one byte of the body per interval

  std::vector<SiteRequest> requests() const;
  int requestsFor(int year, int month) const;
  std::vector<std::string> tunnels() const;  // CONNECT targets the proxy opened

 private:
  void stop();
  void writeControl(const std::string& json) const;
  std::vector<std::vector<std::string>> logLines(const std::string& kind) const;

  std::filesystem::path folder_;
  std::filesystem::path pages_;
  pid_t pid_ = -1;
  int stdinFd_ = -1;
  int port_ = 0;
  int proxyPort_ = 0;
};

// A port on 127.0.0.1 where nothing listens (bound once, then released).
int unusedLocalPort();

}  // namespace numora::test
