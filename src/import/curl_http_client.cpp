// The results import's web client on libcurl (OpenSSL build). One easy handle lives as long as
// the client, so its cookie engine carries the site's cookies from one month's request to the
// next. The handle is never reset (a reset would also clear the cookie engine's switch): every
// option a request depends on is set again for each request.
#include <curl/curl.h>

#include <cctype>
#include <chrono>
#include <cstring>
#include <mutex>
#include <new>
#include <string>

#include "import/http_client.h"

#include "common/translatable.h"

namespace numora {
namespace {

using Clock = std::chrono::steady_clock;

void initCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] {
    if (curl_global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK)
      throw HttpError(NUMORA_TRANSLATABLE(
          "Numora", "The web client could not be initialised (curl_global_init failed)"));
  });
}

// Frees what one request hands to the handle, after detaching it from the handle.
class RequestResources {
 public:
  explicit RequestResources(CURL* handle) : handle_(handle) {}
  ~RequestResources() {
    curl_easy_setopt(handle_, CURLOPT_MIMEPOST, nullptr);
    curl_easy_setopt(handle_, CURLOPT_HTTPHEADER, nullptr);
    curl_mime_free(mime);
    curl_slist_free_all(headers);
  }
  RequestResources(const RequestResources&) = delete;
  RequestResources& operator=(const RequestResources&) = delete;

  curl_mime* mime = nullptr;
  curl_slist* headers = nullptr;

 private:
  CURL* handle_;
};

// State of one transfer that the callbacks write to.
struct Transfer {
  CURL* handle = nullptr;
  std::string body;
  std::string statusLine;
  long readTimeoutMs = 0;
  long totalTimeoutMs = 0;
  std::size_t maxBodyBytes = 0;
  const std::atomic<bool>* cancel = nullptr;
  Clock::time_point started = Clock::now();
  Clock::time_point lastMove = Clock::now();
  curl_off_t counts[4] = {-1, -1, -1, -1};
  bool readTimedOut = false;
  bool totalTimedOut = false;
  bool tooLarge = false;
  bool cancelled = false;
};

size_t writeBody(char* data, size_t size, size_t count, void* user) {
  auto& transfer = *static_cast<Transfer*>(user);
  // An endless answer would otherwise grow the memory without limit.
  if (transfer.body.size() + size * count > transfer.maxBodyBytes) {
    transfer.tooLarge = true;
    return 0;  // curl ends the transfer with a write error
  }
  try {
    transfer.body.append(data, size * count);
  } catch (const std::bad_alloc&) {
    return 0;  // curl ends the transfer with a write error; no exception crosses C code
  }
  return size * count;
}

// Every answer (each redirect, a 100 Continue) starts with its status line; the last one wins.
size_t readHeader(char* data, size_t size, size_t count, void* user) {
  std::string line(data, size * count);
  if (line.rfind("HTTP/", 0) == 0) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
    static_cast<Transfer*>(user)->statusLine = line;
  }
  return size * count;
}

long long millisecondsSince(Clock::time_point then, Clock::time_point now) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(now - then).count();
}

// Called by curl at least once a second while a request runs: the caller's stop, the limit of
// the whole request, and the read time-out, which ends the request when no byte moved in either
// direction for readTimeoutMs. The read clock only runs once the connection is up; until then
// the connect time-out is in charge.
int watchProgress(void* user, curl_off_t dlTotal, curl_off_t dlNow, curl_off_t ulTotal,
                  curl_off_t ulNow) {
  auto& transfer = *static_cast<Transfer*>(user);
  const auto now = Clock::now();
  if (transfer.cancel && transfer.cancel->load()) {
    transfer.cancelled = true;
    return 1;
  }
  if (transfer.totalTimeoutMs > 0 &&
      millisecondsSince(transfer.started, now) >= transfer.totalTimeoutMs) {
    transfer.totalTimedOut = true;
    return 1;
  }
  if (transfer.readTimeoutMs <= 0) return 0;  // no read time-out
  curl_off_t preTransferUs = 0;
  curl_easy_getinfo(transfer.handle, CURLINFO_PRETRANSFER_TIME_T, &preTransferUs);
  const curl_off_t counts[4] = {dlTotal, dlNow, ulTotal, ulNow};
  bool moved = preTransferUs == 0;
  for (int i = 0; i < 4; ++i) {
    if (counts[i] != transfer.counts[i]) moved = true;
    transfer.counts[i] = counts[i];
  }
  if (moved) {
    transfer.lastMove = now;
    return 0;
  }
  if (millisecondsSince(transfer.lastMove, now) < transfer.readTimeoutMs) return 0;
  transfer.readTimedOut = true;
  return 1;
}

std::string sizeText(std::size_t bytes) {
  constexpr std::size_t kMegabyte = std::size_t{1024} * 1024;
  if (bytes >= kMegabyte && bytes % kMegabyte == 0)
    return fillPattern(NUMORA_TRANSLATABLE("Numora", "%1 MB"), {std::to_string(bytes / kMegabyte)});
  return fillPattern(NUMORA_TRANSLATABLE("Numora", "%1 bytes"), {std::to_string(bytes)});
}

std::string proxyAddress(const HttpRequest& request) {
  if (request.proxyPort < 1 || request.proxyPort > 65535)
    throw HttpError(fillPattern(NUMORA_TRANSLATABLE("Numora", "Invalid proxy port: %1"),
                                {std::to_string(request.proxyPort)}));
  // An IPv6 literal needs brackets in front of the port.
  const bool ipv6 =
      request.proxyHost.find(':') != std::string::npos && request.proxyHost.front() != '[';
  const std::string host = ipv6 ? "[" + request.proxyHost + "]" : request.proxyHost;
  return "http://" + host + ":" + std::to_string(request.proxyPort);
}

bool hasLineBreak(const std::string& text) {
  return text.find_first_of("\r\n") != std::string::npos;
}

bool hasHeader(const std::vector<std::string>& headers, const std::string& name) {
  for (const auto& header : headers) {
    if (header.size() < name.size() + 1) continue;
    bool same = header[name.size()] == ':';
    for (std::size_t i = 0; same && i < name.size(); ++i)
      same = std::tolower(static_cast<unsigned char>(header[i])) ==
             std::tolower(static_cast<unsigned char>(name[i]));
    if (same) return true;
  }
  return false;
}

class CurlHttpClient : public HttpClient {
 public:
  CurlHttpClient() {
    initCurlOnce();
    handle_ = curl_easy_init();
    if (!handle_)
      throw HttpError(NUMORA_TRANSLATABLE(
          "Numora", "The web client could not be initialised (curl_easy_init failed)"));
    // An empty file name switches the cookie engine on without reading a file.
    curl_easy_setopt(handle_, CURLOPT_COOKIEFILE, "");
    // The built-in CA locations, to go back to after a request that named its own CA file.
    const char* caInfo = nullptr;
    if (curl_easy_getinfo(handle_, CURLINFO_CAINFO, &caInfo) == CURLE_OK && caInfo)
      defaultCaInfo_ = caInfo;
  }
  ~CurlHttpClient() override { curl_easy_cleanup(handle_); }
  CurlHttpClient(const CurlHttpClient&) = delete;
  CurlHttpClient& operator=(const CurlHttpClient&) = delete;

  HttpResponse post(const HttpRequest& request) override {
    for (const auto& header : request.headers)
      if (hasLineBreak(header))
        throw HttpError(fillPattern(
            NUMORA_TRANSLATABLE("Numora", "Invalid request header (line break): %1"), {header}));
    const std::string proxy = request.proxyHost.empty() ? "" : proxyAddress(request);

    RequestResources resources(handle_);
    resources.mime = curl_mime_init(handle_);
    for (const auto& field : request.fields) {
      curl_mimepart* part = curl_mime_addpart(resources.mime);
      curl_mime_name(part, field.name.c_str());
      curl_mime_data(part, field.value.data(), field.value.size());
    }
    for (const auto& header : request.headers)
      resources.headers = curl_slist_append(resources.headers, header.c_str());
    // No "Expect: 100-continue" round trip: servers that ignore it cost a second per request.
    if (!hasHeader(request.headers, "Expect"))
      resources.headers = curl_slist_append(resources.headers, "Expect:");

    Transfer transfer;
    transfer.handle = handle_;
    transfer.readTimeoutMs = request.readTimeoutMs;
    transfer.totalTimeoutMs = request.totalTimeoutMs;
    transfer.maxBodyBytes = request.maxBodyBytes;
    transfer.cancel = request.cancel;
    char errorText[CURL_ERROR_SIZE] = {};

    CURL* h = handle_;
    curl_easy_setopt(h, CURLOPT_URL, request.url.c_str());
    // The draws travel over TLS only: no plain request, no redirect to one.
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "https");
    curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "https");
    curl_easy_setopt(h, CURLOPT_MIMEPOST, resources.mime);
    curl_easy_setopt(h, CURLOPT_HTTPHEADER, resources.headers);
    curl_easy_setopt(h, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(h, CURLOPT_MAXREDIRS, request.maxRedirects);
    curl_easy_setopt(h, CURLOPT_POSTREDIR, 0L);  // 307/308 re-post; 301/302/303 turn into GET
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, request.connectTimeoutMs);
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, 0L);
    curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, watchProgress);
    curl_easy_setopt(h, CURLOPT_XFERINFODATA, &transfer);
    // "" keeps curl away from the *_proxy variables; NOPROXY "" keeps no_proxy from bypassing
    // the proxy the user configured.
    curl_easy_setopt(h, CURLOPT_PROXY, proxy.c_str());
    curl_easy_setopt(h, CURLOPT_NOPROXY, "");
    curl_easy_setopt(h, CURLOPT_PROXYTYPE, static_cast<long>(CURLPROXY_HTTP));
    curl_easy_setopt(h, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
    curl_easy_setopt(h, CURLOPT_SSLVERSION,
                     static_cast<long>(CURL_SSLVERSION_DEFAULT) |
                         static_cast<long>(CURL_SSLVERSION_MAX_TLSv1_2));
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, request.verifyCertificate ? 1L : 0L);
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, request.verifyCertificate ? 2L : 0L);
    // The extra CA file is read by OpenSSL next to the system's CA folder (CAPATH stays as built).
    const std::string& caInfo = request.caFile.empty() ? defaultCaInfo_ : request.caFile;
    curl_easy_setopt(h, CURLOPT_CAINFO, caInfo.empty() ? nullptr : caInfo.c_str());
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(h, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, writeBody);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, readHeader);
    curl_easy_setopt(h, CURLOPT_HEADERDATA, &transfer);

    const CURLcode result = curl_easy_perform(h);
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, nullptr);
    curl_easy_setopt(h, CURLOPT_XFERINFODATA, nullptr);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, nullptr);
    curl_easy_setopt(h, CURLOPT_HEADERDATA, nullptr);

    if (result != CURLE_OK) {
      if (transfer.cancelled) throw RequestCancelled();
      if (transfer.tooLarge)
        throw HttpError(fillPattern(NUMORA_TRANSLATABLE("Numora",
                                                        "The answer of the results site is larger "
                                                        "than %1; no results page is that large"),
                                    {sizeText(request.maxBodyBytes)}));
      if (transfer.totalTimedOut)
        throw HttpError(fillPattern(
            NUMORA_TRANSLATABLE("Numora", "The results site did not finish its answer within %1 s"),
            {std::to_string(request.totalTimeoutMs / 1000)}));
      if (transfer.readTimedOut)
        throw HttpError(fillPattern(NUMORA_TRANSLATABLE("Numora", "Read timed out after %1 ms"),
                                    {std::to_string(request.readTimeoutMs)}));
      std::string message = errorText[0] ? errorText : curl_easy_strerror(result);
      // curl says "Couldn't connect to server"; the system's reason (refused, unreachable) helps.
      long osError = 0;
      if (result == CURLE_COULDNT_CONNECT &&
          curl_easy_getinfo(h, CURLINFO_OS_ERRNO, &osError) == CURLE_OK && osError != 0)
        message += std::string(" (") + std::strerror(static_cast<int>(osError)) + ")";
      throw HttpError(message);
    }
    return HttpResponse{std::move(transfer.statusLine), std::move(transfer.body)};
  }

 private:
  CURL* handle_ = nullptr;
  std::string defaultCaInfo_;
};

}  // namespace

std::unique_ptr<HttpClient> makeCurlHttpClient() {
  return std::make_unique<CurlHttpClient>();
}

}  // namespace numora
