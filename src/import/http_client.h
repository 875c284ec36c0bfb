// The web client of the results import: one multipart form POST, its answer's body and status
// line. A failed request (no connection, time-out, TLS failure, error status, too many
// redirects, an answer over the size cap) raises HttpError with a text that says what happened;
// a request given up on the caller's word raises RequestCancelled.
#pragma once

#include <atomic>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/translatable.h"

namespace numora {

class HttpError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class RequestCancelled : public HttpError {
 public:
  RequestCancelled() : HttpError(NUMORA_TRANSLATABLE("Numora", "The request was stopped")) {}
};

struct FormField {
  std::string name;
  std::string value;
};

struct HttpRequest {
  std::string url;                   // "https://host[:port]/path"
  std::vector<FormField> fields;     // sent as multipart/form-data, in this order
  std::vector<std::string> headers;  // "Name: value"
  std::string proxyHost;             // empty: no proxy (not even one from the environment)
  int proxyPort = 80;
  bool verifyCertificate = true;  // against the system's CA store
  std::string caFile;             // an extra CA bundle to trust (tests); empty: system only
  long connectTimeoutMs = 5000;
  long readTimeoutMs = 5000;  // no byte for this long ends the request
  // The whole request, however steadily the bytes come, ends after this long.
  long totalTimeoutMs = 60000;
  // A month page is about 100 KB; an answer beyond this is no results page.
  std::size_t maxBodyBytes = 4 * 1024 * 1024;
  long maxRedirects = 15;
  // Set from another thread to end the request within a second.
  const std::atomic<bool>* cancel = nullptr;
};

struct HttpResponse {
  std::string statusLine;  // "HTTP/1.1 200 OK", of the last answer after redirects
  std::string body;
};

class HttpClient {
 public:
  virtual ~HttpClient() = default;
  virtual HttpResponse post(const HttpRequest& request) = 0;
};

// libcurl on OpenSSL; cookies are kept for the life of the client (the program run).
std::unique_ptr<HttpClient> makeCurlHttpClient();

}  // namespace numora
