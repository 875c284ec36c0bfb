#include "common/text_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "common/text.h"

namespace numora {
namespace {

std::runtime_error fileError(const std::string& what, const std::filesystem::path& path,
                             int error) {
  return std::runtime_error(what + " \"" + path.string() + "\": " + std::strerror(error));
}

}  // namespace

void writeTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  const std::string text = joinLinesCrLf(lines);
  std::filesystem::path scratch = path;
  scratch += "~";
  std::FILE* out = std::fopen(scratch.c_str(), "wb");
  if (!out) throw fileError("Cannot create file", scratch, errno);
  const bool written =
      std::fwrite(text.data(), 1, text.size(), out) == text.size() && std::fflush(out) == 0;
  const int writeErrno = errno;
  const bool closed = std::fclose(out) == 0;
  if (!written || !closed) {
    const auto failure = fileError("Cannot write to", path, written ? errno : writeErrno);
    std::remove(scratch.c_str());
    throw failure;
  }
  std::error_code error;
  std::filesystem::rename(scratch, path, error);
  if (error) {
    std::remove(scratch.c_str());
    throw std::runtime_error("Cannot write to \"" + path.string() + "\": " + error.message());
  }
}

}  // namespace numora
