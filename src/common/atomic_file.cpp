#include "common/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "common/translatable.h"

namespace numora {
namespace {

// The patterns name the file as %1 and the reason as %2.
FileAccessError failure(const char* pattern, const std::filesystem::path& path, int error) {
  return FileAccessError(fillPattern(pattern, {path.string(), std::strerror(error)}));
}

FileAccessError notAFile(const char* pattern, const std::filesystem::path& path) {
  return FileAccessError(fillPattern(
      pattern, {path.string(), NUMORA_TRANSLATABLE("Numora", "it is no regular file")}));
}

constexpr const char* kCannotReplace = NUMORA_TRANSLATABLE("Numora", "Cannot replace \"%1\": %2");
constexpr const char* kCannotCreate =
    NUMORA_TRANSLATABLE("Numora", "Cannot create file \"%1\": %2");
constexpr const char* kCannotWrite = NUMORA_TRANSLATABLE("Numora", "Cannot write to \"%1\": %2");
constexpr const char* kTooLarge =
    NUMORA_TRANSLATABLE("Numora", "Cannot read file \"%1\". It is too large.");

bool writeAll(int fd, std::string_view bytes) {
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
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  (void)::fsync(fd);
  ::close(fd);
}

// Where a chain of symbolic links ends: users keep files such as their settings as links into
// a folder of their own, and the link must stay a link while its target is replaced.
std::filesystem::path finalTarget(const std::filesystem::path& path) {
  constexpr int kMostLinks = 40;  // as the system's own limit on a chain of links
  std::filesystem::path current = path;
  for (int followed = 0; followed <= kMostLinks; ++followed) {
    struct stat status {};
    if (::lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return current;
    std::error_code error;
    const std::filesystem::path link = std::filesystem::read_symlink(current, error);
    if (error) throw failure(kCannotReplace, path, error.value());
    current = link.is_absolute() ? link : current.parent_path() / link;
  }
  throw failure(kCannotReplace, path, ELOOP);
}

// The scratch file lies beside the file it replaces, so the rename stays on one file system; a
// target reached through a link gets its scratch file beside the link's target.
std::filesystem::path scratchBeside(const std::filesystem::path& target,
                                    const std::filesystem::path& scratch,
                                    const std::filesystem::path& resolved) {
  if (resolved == target) return scratch;
  const std::string targetName = target.filename().string();
  const std::string scratchName = scratch.filename().string();
  const std::string suffix =
      scratchName.starts_with(targetName) ? scratchName.substr(targetName.size()) : "~";
  std::filesystem::path beside = resolved;
  beside += suffix;
  return beside;
}

}  // namespace

void replaceFileAtomically(const std::filesystem::path& linkedTarget,
                           const std::filesystem::path& linkedScratch, std::string_view bytes) {
  const std::filesystem::path target = finalTarget(linkedTarget);
  const std::filesystem::path scratch = scratchBeside(linkedTarget, linkedScratch, target);
  // A pipe, a device or a folder in the file's place is another program's: it is neither
  // written to (that could wait for ever) nor replaced.
  struct stat status {};
  const bool hadTarget = ::lstat(target.c_str(), &status) == 0;
  if (hadTarget && !S_ISREG(status.st_mode)) throw notAFile(kCannotReplace, linkedTarget);

  // O_EXCL after removing a stale scratch file of an earlier failure: what is opened is a new
  // regular file of ours, never a pipe, a link or another program's file.
  struct stat scratchStatus {};
  if (::lstat(scratch.c_str(), &scratchStatus) == 0) {
    if (!S_ISREG(scratchStatus.st_mode)) throw notAFile(kCannotCreate, scratch);
    ::unlink(scratch.c_str());
  }
  const int fd = ::open(scratch.c_str(),
                        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
  if (fd < 0) throw failure(kCannotCreate, scratch, errno);
  // The new file keeps the old one's permissions.
  if (hadTarget) (void)::fchmod(fd, status.st_mode & 07777);
  const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
  const int writeError = errno;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed) {
    const int error = written ? errno : writeError;
    ::unlink(scratch.c_str());
    throw failure(kCannotWrite, scratch, error);
  }
  if (::rename(scratch.c_str(), target.c_str()) != 0) {
    const int error = errno;
    ::unlink(scratch.c_str());
    throw failure(kCannotReplace, target, error);
  }
  syncFolder(target.parent_path());
}

void writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  constexpr int kScratchNames = 100;
  // The scratch file lies beside the file a link leads to; its name is free there.
  const std::filesystem::path resolved = finalTarget(path);
  std::string suffix = "~";
  for (int n = 1; n < kScratchNames; ++n) {
    std::filesystem::path candidate = resolved;
    candidate += suffix;
    // A regular file there may be the player's; anything else is refused as ever.
    struct stat status {};
    if (::lstat(candidate.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) break;
    suffix = "~" + std::to_string(n);
  }
  std::filesystem::path scratch = path;
  scratch += suffix;
  replaceFileAtomically(path, scratch, bytes);
}

std::string readRegularFile(const std::filesystem::path& path, std::uintmax_t maxBytes) {
  const auto noRegularFile = [&path] {
    return FileAccessError(fillPattern(
        NUMORA_TRANSLATABLE("Numora", "Cannot open file \"%1\". It is no regular file."),
        {path.string()}));
  };
  // A device is not even opened: opening one can have effects of its own.
  struct stat status {};
  if (::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) throw noRegularFile();
  // Opened without waiting: a pipe would otherwise wait for a writer that never comes.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    throw FileAccessError(fillPattern(NUMORA_TRANSLATABLE("Numora", "Cannot open file \"%1\". %2"),
                                      {path.string(), std::strerror(errno)}));
  }
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    throw noRegularFile();
  }
  if (static_cast<std::uintmax_t>(status.st_size) > maxBytes) {
    ::close(fd);
    throw FileAccessError(fillPattern(kTooLarge, {path.string()}));
  }
  std::string bytes;
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      const int error = errno;
      ::close(fd);
      throw FileAccessError(fillPattern(NUMORA_TRANSLATABLE("Numora", "Read error in \"%1\": %2"),
                                        {path.string(), std::strerror(error)}));
    }
    if (got == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(got));
    // A file that grows while it is read is cut at the limit it was checked against.
    if (bytes.size() > maxBytes) {
      ::close(fd);
      throw FileAccessError(fillPattern(kTooLarge, {path.string()}));
    }
  }
  ::close(fd);
  return bytes;
}

}  // namespace numora
