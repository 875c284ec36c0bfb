#include "app/home_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <thread>
#include <utility>

namespace numora {
namespace {

constexpr auto kRetryInterval = std::chrono::milliseconds(50);

PatternText unavailableText(const std::filesystem::path& path, const std::string& reason) {
  return PatternText(
      NUMORA_TRANSLATABLE("Numora",
                          "The lock file \"%1\" cannot be made: %2. Numora goes on, but a second "
                          "copy started with this folder would not be stopped."),
      {path.string(), reason});
}

bool sameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The holder's process id, for whoever looks at the file; the lock itself is the flock, so a
// write that fails (a full disk) changes nothing.
void writeProcessId(int fd) {
  const std::string text = std::to_string(::getpid()) + "\n";
  if (::ftruncate(fd, 0) == 0) (void)!::pwrite(fd, text.data(), text.size(), 0);
}

}  // namespace

HomeLock::HomeLock(State state, std::filesystem::path path, int fd, PatternText failure)
    : state_(state), path_(std::move(path)), fd_(fd), failure_(std::move(failure)) {}

HomeLock::HomeLock(HomeLock&& other) noexcept
    : state_(other.state_),
      path_(std::move(other.path_)),
      fd_(std::exchange(other.fd_, -1)),
      failure_(std::move(other.failure_)) {}

HomeLock::~HomeLock() {
  if (fd_ < 0) return;
  // Removed while still held: a copy waiting on this file finds it gone and makes a new one.
  (void)::unlink(path_.c_str());
  ::close(fd_);
}

HomeLock HomeLock::acquire(const std::string& home, std::chrono::milliseconds wait) {
  const std::filesystem::path path = std::filesystem::path(home) / kHomeLockFileName;
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    const auto noRegularFile = [&path] {
      return HomeLock(
          State::Unavailable, path, -1,
          unavailableText(path, NUMORA_TRANSLATABLE("Numora", "it is no regular file")));
    };
    // A device is not even opened, and a link is never followed: the lock file is truncated
    // and written, so a link planted in its place would have another file overwritten.
    struct stat found {};
    if (::lstat(path.c_str(), &found) == 0 && !S_ISREG(found.st_mode)) return noRegularFile();
    // Without waiting: a named pipe in the lock file's place would block the open for ever.
    const int fd = ::open(path.c_str(),
                          O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY, 0644);
    if (fd < 0 && errno == ELOOP) return noRegularFile();
    if (fd < 0)
      return HomeLock(State::Unavailable, path, -1, unavailableText(path, std::strerror(errno)));
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
      ::close(fd);
      return noRegularFile();
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const int error = errno;
      ::close(fd);
      if (error != EWOULDBLOCK) {
        return HomeLock(State::Unavailable, path, -1, unavailableText(path, std::strerror(error)));
      }
      if (std::chrono::steady_clock::now() >= deadline) {
        return HomeLock(State::HeldByAnother, path, -1, {});
      }
      std::this_thread::sleep_for(kRetryInterval);
      continue;
    }
    // The copy that held it may have removed the file just before letting go: the lock then
    // sits on a file nobody else will open, so start again with the one in its place.
    struct stat named {};
    if (::stat(path.c_str(), &named) != 0 || !sameFile(named, opened)) {
      ::close(fd);
      continue;
    }
    writeProcessId(fd);
    return HomeLock(State::Held, path, fd, {});
  }
}

}  // namespace numora
