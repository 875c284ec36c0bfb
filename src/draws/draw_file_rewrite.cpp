#include "draws/draw_file_rewrite.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace numora {
namespace {

std::string failure(const char* what, const std::filesystem::path& path) {
  return std::string(what) + " \"" + path.string() + "\": " + std::strerror(errno);
}

bool writeAll(int fd, const std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    const ssize_t done = ::write(fd, data, size);
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) return false;
    data += done;
    size -= static_cast<std::size_t>(done);
  }
  return true;
}

}  // namespace

void rewriteDrawFile(const std::filesystem::path& path, const std::vector<DrawRecord>& records,
                     DrawFileReader& reader) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(records.size() * DrawRecord::kSize);
  for (const auto& record : records) {
    const auto encoded = record.encode();
    bytes.insert(bytes.end(), encoded.begin(), encoded.end());
  }
  std::filesystem::path scratch = path;
  scratch += "~";
  const int fd = ::open(scratch.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) throw DrawFileError(failure("Cannot create", scratch));
  const bool written = writeAll(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
  const std::string writeError = written ? "" : failure("Cannot write", scratch);
  ::close(fd);
  if (!written || std::rename(scratch.c_str(), path.c_str()) != 0) {
    const std::string text = written ? failure("Cannot replace", path) : writeError;
    ::unlink(scratch.c_str());
    throw DrawFileError(text);
  }
  // The rename itself reaches the disk with its folder.
  const int folder = ::open(path.parent_path().empty() ? "." : path.parent_path().c_str(),
                            O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    (void)::fsync(folder);
    ::close(folder);
  }
  reader.invalidate();
}

}  // namespace numora
