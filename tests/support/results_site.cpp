#include "support/results_site.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace numora::test {
namespace {

std::filesystem::path siteScript() {
#ifdef NUMORA_RESULTS_SITE_SCRIPT
  return NUMORA_RESULTS_SITE_SCRIPT;
#else
  return std::filesystem::path(__FILE__).parent_path() / "results_site.py";
#endif
}

// Debian's interpreter directly: a version manager's shim on PATH costs a third of a second.
std::string python() {
  return std::filesystem::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3";
}

std::filesystem::path defaultPages() {
#ifdef NUMORA_TEST_DATA
  return NUMORA_TEST_DATA;
#else
  throw std::runtime_error("ResultsSite: no pages folder given");
#endif
}

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator)) parts.push_back(part);
  if (!text.empty() && text.back() == separator) parts.emplace_back();
  return parts;
}

int toInt(const std::string& text) {
  return text.empty() ? 0 : std::stoi(text);
}

// Waits for a child up to a deadline; true when it has ended.
bool waitFor(pid_t pid, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (true) {
    int status = 0;
    const pid_t done = ::waitpid(pid, &status, WNOHANG);
    if (done == pid || (done < 0 && errno == ECHILD)) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

// Runs a program with its output in a file; throws with that output when it fails.
void run(const std::vector<std::string>& args, const std::filesystem::path& output) {
  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    const int fd = ::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd >= 0) {
      ::dup2(fd, 1);
      ::dup2(fd, 2);
    }
    std::vector<char*> argv;
    for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    ::execvp(argv[0], argv.data());
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
    throw std::runtime_error(args[0] + " failed: " + readFile(output));
}

// Reads the first `count` lines the child prints, waiting at most `limit`.
std::vector<std::string> readLines(int fd, std::size_t count, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  std::string text;
  while (static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) < count) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        end - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    pollfd waiting{fd, POLLIN, 0};
    if (::poll(&waiting, 1, static_cast<int>(left.count())) <= 0) break;
    char buffer[256];
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got <= 0) break;
    text.append(buffer, static_cast<std::size_t>(got));
  }
  return split(text, '\n');
}

// One certificate for all sites of a test run: making an RSA key takes up to a second.
class Certificate {
 public:
  Certificate() {
    std::string pattern = (std::filesystem::temp_directory_path() / "numora-cert-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    folder_ = pattern;
    run({"openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", key().string(),
         "-out", cert().string(), "-subj", "/CN=localhost", "-addext",
         "subjectAltName=IP:127.0.0.1,DNS:localhost", "-days", "2"},
        folder_ / "openssl.log");
  }
  ~Certificate() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  std::filesystem::path cert() const { return folder_ / "cert.pem"; }
  std::filesystem::path key() const { return folder_ / "key.pem"; }

 private:
  std::filesystem::path folder_;
};

const Certificate& certificate() {
  static const Certificate shared;
  return shared;
}

}  // namespace

ResultsSite::ResultsSite(std::filesystem::path pagesFolder)
    : pages_(pagesFolder.empty() ? defaultPages() : std::move(pagesFolder)) {
  std::string pattern = (std::filesystem::temp_directory_path() / "numora-site-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  folder_ = pattern;
  try {
    std::filesystem::copy_file(certificate().cert(), caFile());
    normal();

    int toChild[2];
    int fromChild[2];
    if (::pipe2(toChild, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    if (::pipe2(fromChild, O_CLOEXEC) != 0) {
      ::close(toChild[0]);
      ::close(toChild[1]);
      throw std::runtime_error("pipe failed");
    }
    const std::vector<std::string> args = {python(),    siteScript().string(),
                                           "--pages",   pages_.string(),
                                           "--cert",    caFile(),
                                           "--key",     certificate().key().string(),
                                           "--control", (folder_ / "control.json").string(),
                                           "--log",     (folder_ / "requests.log").string()};
    pid_ = ::fork();
    if (pid_ == 0) {
      ::dup2(toChild[0], 0);
      ::dup2(fromChild[1], 1);
      std::vector<char*> argv;
      for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
      argv.push_back(nullptr);
      ::execvp(argv[0], argv.data());
      ::_exit(127);
    }
    ::close(toChild[0]);
    ::close(fromChild[1]);
    stdinFd_ = toChild[1];
    if (pid_ < 0) {
      ::close(fromChild[0]);
      throw std::runtime_error("fork failed");
    }
    const auto lines = readLines(fromChild[0], 2, std::chrono::seconds(15));
    ::close(fromChild[0]);
    if (lines.size() < 2 || lines[0].empty() || lines[1].empty())
      throw std::runtime_error("the results site did not start");
    port_ = std::stoi(lines[0]);
    proxyPort_ = std::stoi(lines[1]);
  } catch (...) {
    stop();
    throw;
  }
}

ResultsSite::~ResultsSite() {
  stop();
}

void ResultsSite::stop() {
  if (stdinFd_ >= 0) ::close(stdinFd_);  // the site stops when its stdin closes
  stdinFd_ = -1;
  if (pid_ > 0 && !waitFor(pid_, std::chrono::seconds(5))) {
    ::kill(pid_, SIGTERM);
    if (!waitFor(pid_, std::chrono::seconds(2))) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
  }
  pid_ = -1;
  std::error_code ignored;
  if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
  folder_.clear();
}

std::string ResultsSite::url() const {
  return "https://127.0.0.1:" + std::to_string(port_);
}

std::string ResultsSite::resultsUrl() const {
  return url() + "/canada/keno-results";
}

void ResultsSite::writeControl(const std::string& json) const {
  // Written aside and renamed, so the site never reads half a file.
  const auto scratch = folder_ / "control.json.new";
  {
    std::ofstream out(scratch, std::ios::trunc);
    out << json;
  }
  std::filesystem::rename(scratch, folder_ / "control.json");
}

void ResultsSite::normal() {
  writeControl("{}");
}

void ResultsSite::failMonth(int year, int month) {
  char key[16];
  std::snprintf(key, sizeof key, "%04d-%02d", year, month);
  writeControl(std::string("{\"fail\": [\"") + key + "\"]}");
}

void ResultsSite::redirect(int status, int times) {
  writeControl("{\"redirect\": {\"status\": " + std::to_string(status) +
               ", \"count\": " + std::to_string(times) + "}}");
}

void ResultsSite::stall(int seconds) {
  writeControl("{\"stall\": {\"seconds\": " + std::to_string(seconds) + "}}");
}

void ResultsSite::trickle(int chunks, int intervalMs) {
  writeControl("{\"trickle\": {\"chunks\": " + std::to_string(chunks) +
               ", \"interval\": " + std::to_string(intervalMs / 1000.0) + "}}");
}

void ResultsSite::emptyPage() {
  writeControl("{\"empty\": true}");
}

void ResultsSite::cutPage(double fraction) {
  writeControl("{\"cut\": {\"fraction\": " + std::to_string(fraction) + "}}");
}

void ResultsSite::endlessPage() {
  writeControl("{\"endless\": true}");
}

void ResultsSite::drip(int intervalMs) {
  writeControl("{\"drip\": {\"interval\": " + std::to_string(intervalMs / 1000.0) + "}}");
}

std::vector<std::vector<std::string>> ResultsSite::logLines(const std::string& kind) const {
  std::vector<std::vector<std::string>> lines;
  for (const auto& line : split(readFile(folder_ / "requests.log"), '\n')) {
    auto columns = split(line, '\t');
    if (!columns.empty() && columns[0] == kind) lines.push_back(std::move(columns));
  }
  return lines;
}

std::vector<SiteRequest> ResultsSite::requests() const {
  std::vector<SiteRequest> result;
  for (auto& c : logLines("REQ")) {
    c.resize(10);
    SiteRequest request;
    request.method = c[1];
    request.status = toInt(c[2]);
    request.ig = c[3];
    request.year = toInt(c[4]);
    request.month = toInt(c[5]);
    request.cookie = c[6] == "1";
    if (!c[7].empty()) request.fields = split(c[7], ',');
    request.hop = toInt(c[8]);
    request.reason = c[9];
    result.push_back(std::move(request));
  }
  return result;
}

int ResultsSite::requestsFor(int year, int month) const {
  const auto all = requests();
  return static_cast<int>(std::count_if(all.begin(), all.end(), [&](const SiteRequest& r) {
    return r.year == year && r.month == month;
  }));
}

std::vector<std::string> ResultsSite::tunnels() const {
  std::vector<std::string> targets;
  for (auto& c : logLines("CONNECT"))
    if (c.size() >= 3 && c[2] == "200") targets.push_back(c[1]);
  return targets;
}

int unusedLocalPort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) throw std::runtime_error("socket failed");
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  if (::bind(fd, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    ::close(fd);
    throw std::runtime_error("bind failed");
  }
  ::close(fd);
  return ntohs(address.sin_port);
}

}  // namespace numora::test
