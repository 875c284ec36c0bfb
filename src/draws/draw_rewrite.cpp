#include "draws/draw_rewrite.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace numora {
namespace {

std::string failureText(const char* what, const std::filesystem::path& path, int error) {
  return std::string(what) + " \"" + path.string() + "\": " + std::strerror(error);
}

bool writeAll(int fd, const std::vector<std::uint8_t>& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += static_cast<std::size_t>(written);
  }
  return true;
}

// The folder's entry of the renamed file reaches the disk too.
void syncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  (void)::fsync(fd);
  ::close(fd);
}

}  // namespace

void rewriteDrawFile(const std::filesystem::path& drawFile, const std::filesystem::path& scratch,
                     const std::vector<DrawRecord>& records, DrawFileReader& reader) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(records.size() * DrawRecord::kSize);
  for (const DrawRecord& record : records) {
    const auto encoded = record.encode();
    bytes.insert(bytes.end(), encoded.begin(), encoded.end());
  }

  // O_EXCL after removing a stale scratch file of an earlier failure: what is opened is a new
  // regular file of ours, never a folder, a link or another program's file.
  std::error_code ignored;
  if (std::filesystem::is_regular_file(std::filesystem::symlink_status(scratch, ignored))) {
    std::filesystem::remove(scratch, ignored);
  }
  const int fd = ::open(scratch.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) throw DrawFileError(failureText("Cannot create file", scratch, errno));
  const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
  const int writeError = errno;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed) {
    const int error = written ? errno : writeError;
    std::filesystem::remove(scratch, ignored);
    throw DrawFileError(failureText("Cannot write to", scratch, error));
  }
  if (::rename(scratch.c_str(), drawFile.c_str()) != 0) {
    const int error = errno;
    std::filesystem::remove(scratch, ignored);
    throw DrawFileError(failureText("Cannot replace", drawFile, error));
  }
  syncFolder(drawFile.parent_path());
  reader.invalidate();
}

}  // namespace numora
