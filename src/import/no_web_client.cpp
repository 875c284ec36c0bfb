// Stand-in until the libcurl client is built in: every request fails with a clear text.
#include "import/http_client.h"

namespace numora {
namespace {
class NoWebClient : public HttpClient {
 public:
  HttpResponse post(const HttpRequest&) override {
    throw HttpError("This build has no web client");
  }
};
}  // namespace

std::unique_ptr<HttpClient> makeCurlHttpClient() {
  return std::make_unique<NoWebClient>();
}

}  // namespace numora
