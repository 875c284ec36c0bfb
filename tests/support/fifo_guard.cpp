#include "support/fifo_guard.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <stdexcept>
#include <thread>
#include <vector>

namespace numora::test {

void makeFifo(const std::filesystem::path& path) {
  if (::mkfifo(path.c_str(), 0600) != 0) {
    throw std::runtime_error("cannot make the pipe " + path.string());
  }
}

std::filesystem::file_type makeDeviceOrFifo(const std::filesystem::path& path) {
  if (::geteuid() != 0) {
    makeFifo(path);
    return std::filesystem::file_type::fifo;
  }
  constexpr unsigned kMemoryDevices = 1;
  constexpr unsigned kFullDevice = 7;
  if (::mknod(path.c_str(), S_IFCHR | 0666, makedev(kMemoryDevices, kFullDevice)) != 0) {
    throw std::runtime_error("cannot make the device node " + path.string());
  }
  return std::filesystem::file_type::character;
}

bool endsWithoutBlocking(const std::function<void()>& action,
                         const std::vector<std::filesystem::path>& fifos,
                         std::chrono::milliseconds limit) {
  auto done = std::async(std::launch::async, action);
  if (done.wait_for(limit) == std::future_status::ready) {
    done.get();
    return true;
  }
  // A blocked writer gets a reader that drains it; a blocked reader gets a writer that closes
  // at once (the end of the file).
  std::vector<int> ends;
  char buffer[4096];
  while (done.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) {
    for (const auto& fifo : fifos) {
      const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
      if (reader >= 0) ends.push_back(reader);
      const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
      if (writer >= 0) ::close(writer);
    }
    for (const int fd : ends) (void)!::read(fd, buffer, sizeof buffer);
  }
  for (const int fd : ends) ::close(fd);
  done.get();
  return false;
}

}  // namespace numora::test
