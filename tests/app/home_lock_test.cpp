// The lock file of Home is written (truncated, then the process id), so nothing but a regular
// file of its own is ever opened in its place: a link planted there once had its target
// overwritten.
#include "app/home_lock.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/fifo_guard.h"
#include "support/temp_home.h"

namespace numora::test {
namespace {

TEST(HomeLock, RefusesWhatIsNoRegularFileOfItsOwnAndLeavesItAlone) {
  struct Case {
    const char* name;
    void (*plant)(const TempHome& home);
  };
  const Case cases[] = {
      {"a link to a regular file",
       [](const TempHome& home) {
         std::filesystem::create_symlink(home.file("important.txt"), home.file(kHomeLockFileName));
       }},
      {"a link to nothing",
       [](const TempHome& home) {
         std::filesystem::create_symlink(home.file("new.txt"), home.file(kHomeLockFileName));
       }},
      {"a device or a pipe",
       [](const TempHome& home) { (void)makeDeviceOrFifo(home.file(kHomeLockFileName)); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempHome home;
    home.writeBytes("important.txt", "the player's notes");
    c.plant(home);
    {
      const HomeLock lock = HomeLock::acquire(home.home());
      EXPECT_EQ(lock.state(), HomeLock::State::Unavailable);
      EXPECT_NE(lock.failure().written().find("it is no regular file"), std::string::npos)
          << lock.failure().written();
    }
    EXPECT_EQ(home.readBytes("important.txt"), "the player's notes");
    EXPECT_FALSE(std::filesystem::exists(home.file("new.txt")));
    EXPECT_TRUE(
        std::filesystem::exists(std::filesystem::symlink_status(home.file(kHomeLockFileName))));
  }
}

TEST(HomeLock, ASecondLockOnOneHomeIsHeldByAnother) {
  TempHome home;
  const HomeLock first = HomeLock::acquire(home.home());
  ASSERT_EQ(first.state(), HomeLock::State::Held);
  EXPECT_EQ(HomeLock::acquire(home.home()).state(), HomeLock::State::HeldByAnother);
}

}  // namespace
}  // namespace numora::test
