#include "fuzz/fuzz_support.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <unistd.h>

namespace numora::fuzz {
namespace {

std::filesystem::path makeScratchFolder() {
  std::error_code error;
  std::filesystem::path base = "/dev/shm";
  if (!std::filesystem::is_directory(base, error) || ::access(base.c_str(), W_OK) != 0) {
    base = std::filesystem::temp_directory_path();
  }
  std::string pattern = (base / "numora-fuzz-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) fail("cannot create a scratch folder");
  return pattern;
}

struct ScratchFolder {
  std::filesystem::path path = makeScratchFolder();
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
};

}  // namespace

void fail(const char* what) {
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::fflush(stderr);
  std::abort();
}

bool isWholeDraw(const std::array<std::uint8_t, 20>& numbers) {
  std::array<bool, 71> seen{};
  for (const auto number : numbers) {
    if (number < 1 || number > 70 || seen[number]) return false;
    seen[number] = true;
  }
  return true;
}

bool isDayWithin(DayCount date, DayCount first, DayCount last) {
  return date >= first && date <= last && date == std::floor(date);
}

DayCount fuzzNow() {
  return encodeDate(2023, 6, 20) + 20.5 / 24;
}

const std::filesystem::path& scratchFolder() {
  static const ScratchFolder folder;
  return folder.path;
}

void writeFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) fail("cannot write a scratch file");
}

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace numora::fuzz
