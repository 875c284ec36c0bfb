// One running copy per Home: a lock file in Home that a copy holds while it runs. Two copies on
// one folder would both append the same fetched draws to the draw file, or each overwrite the
// other's tip list. The lock is an advisory lock the system drops when its process ends, so a
// lock file left by a copy that was killed or crashed is simply taken over.
#pragma once

#include <chrono>
#include <filesystem>

#include "common/pattern_text.h"
#include "common/translatable.h"

namespace numora {

inline constexpr const char* kHomeLockFileName = "numora.lock";
inline constexpr const char* kAlreadyRunningMessage =
    NUMORA_TRANSLATABLE("Numora", "Numora is already running with this folder");

class HomeLock {
 public:
  enum class State {
    Held,           // this copy is the one running with Home
    HeldByAnother,  // another copy holds it (still, after the wait)
    Unavailable,    // no lock could be made (a read-only or full Home): the copy goes on
  };

  // Locks Home (a folder with its trailing "/"), trying again for up to `wait` while another
  // copy holds it.
  static HomeLock acquire(const std::string& home,
                          std::chrono::milliseconds wait = std::chrono::milliseconds(0));

  HomeLock(HomeLock&& other) noexcept;
  HomeLock(const HomeLock&) = delete;
  HomeLock& operator=(const HomeLock&) = delete;
  HomeLock& operator=(HomeLock&&) = delete;
  // Removes the lock file and drops the lock.
  ~HomeLock();

  State state() const { return state_; }
  // Why the lock could not be made (State::Unavailable): the message to tell the user once.
  const PatternText& failure() const { return failure_; }

 private:
  HomeLock(State state, std::filesystem::path path, int fd, PatternText failure);

  State state_;
  std::filesystem::path path_;
  int fd_ = -1;
  PatternText failure_;
};

}  // namespace numora
