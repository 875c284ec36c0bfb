// A full disk for one test: while a FullDisk lives, every write of this process that would make
// a file larger than a few bytes fails (EFBIG, through the file size limit), as a write to a
// full disk fails with ENOSPC. Only files are limited; pipes and the terminal are not.
#pragma once

#include <sys/resource.h>

#include <csignal>

namespace numora::test {

class FullDisk {
 public:
  explicit FullDisk(rlim_t roomInBytes = 4);
  ~FullDisk();
  FullDisk(const FullDisk&) = delete;
  FullDisk& operator=(const FullDisk&) = delete;

 private:
  rlimit before_{};
  void (*signalBefore_)(int) = nullptr;
};

}  // namespace numora::test
