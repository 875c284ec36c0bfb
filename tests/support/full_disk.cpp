#include "support/full_disk.h"

#include <stdexcept>

namespace numora::test {

FullDisk::FullDisk(rlim_t roomInBytes) {
  if (::getrlimit(RLIMIT_FSIZE, &before_) != 0) throw std::runtime_error("no file size limit");
  // A write past the limit would otherwise end the process with SIGXFSZ.
  signalBefore_ = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limited = before_;
  limited.rlim_cur = roomInBytes;
  if (::setrlimit(RLIMIT_FSIZE, &limited) != 0) {
    std::signal(SIGXFSZ, signalBefore_);
    throw std::runtime_error("cannot limit the file size");
  }
}

FullDisk::~FullDisk() {
  ::setrlimit(RLIMIT_FSIZE, &before_);
  std::signal(SIGXFSZ, signalBefore_);
}

}  // namespace numora::test
