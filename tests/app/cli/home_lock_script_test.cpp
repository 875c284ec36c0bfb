// One running copy per Home: two real numora-cli processes on one folder, the second refused
// (or let in by --wait-lock once the first ends), the lock of a killed copy taken over, and a
// Home where no lock can be made.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "cli_process.h"

namespace numora::test {
namespace {

constexpr const char* kAlreadyRunning = "error: Numora is already running with this folder\n";

class CliHomeLock : public ::testing::Test {
 protected:
  void SetUp() override { copyFixture(home, kKenoAtlanticFixture, "Kenoal.dat"); }

  // Waits until the copy holds Home's lock: the lock file then names its process.
  void waitForLock(const RunningCli& holder) {
    const std::string expected = std::to_string(holder.pid()) + "\n";
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (home.readBytes("numora.lock") != expected) {
      ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the first copy took no lock";
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }

  TempHome home;
};

TEST_F(CliHomeLock, ASecondCopyOnOneHomeEndsAndOneThatWaitsGetsInOnceTheFirstEnds) {
  RunningCli first(scriptArguments(home));
  first.write("add ListBox1 1,2,3\n");
  waitForLock(first);

  const CliResult second = runScript(home, "add ListBox1 4,5,6\nprint ListBox1\n");
  EXPECT_EQ(second.exitCode, 3);
  EXPECT_EQ(second.out, "");
  EXPECT_EQ(second.err, kAlreadyRunning);

  RunningCli waiting(scriptArguments(home, {"--wait-lock", "60"}));
  waiting.write("add ListBox1 4,5,6\nprint ListBox1\n");
  waiting.closeInput();
  // Still waiting while the first copy runs.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_TRUE(waiting.running());

  first.write("print ListBox1\n");
  const CliResult firstResult = first.wait();
  EXPECT_EQ(firstResult.exitCode, 0) << firstResult.err;
  EXPECT_EQ(firstResult.out, "ListBox1.count: 1\nListBox1[0]: 1,2,3\n");
  const CliResult waited = waiting.wait();
  EXPECT_EQ(waited.exitCode, 0) << waited.err;
  // The second copy started from the list the first one left.
  EXPECT_EQ(waited.out, "ListBox1.count: 2\nListBox1[0]: 1,2,3\nListBox1[1]: 4,5,6\n");
  // A copy that ends lets go of Home and leaves no lock file behind.
  EXPECT_FALSE(std::filesystem::exists(home.file("numora.lock")));
}

TEST_F(CliHomeLock, TheLockOfAKilledCopyIsTakenOver) {
  {
    RunningCli killed(scriptArguments(home));
    waitForLock(killed);
    killed.kill();
    EXPECT_EQ(killed.wait().exitCode, 128 + SIGKILL);
  }
  // Its lock file is still there, naming a process that no longer runs.
  ASSERT_TRUE(std::filesystem::exists(home.file("numora.lock")));
  const CliResult next = runScript(home, "print UpDown18\n");
  EXPECT_EQ(next.exitCode, 0) << next.err;
  EXPECT_EQ(next.out, "UpDown18: 10\n");
}

TEST_F(CliHomeLock, AReadOnlyHomeSaysSoOnceAndGoesOn) {
  // Root writes into any folder; the program then runs as an ordinary user.
  std::vector<std::string> launcher;
  if (::geteuid() == 0) {
    if (::access("/usr/bin/setpriv", X_OK) != 0) GTEST_SKIP() << "setpriv is not installed";
    launcher = {"/usr/bin/setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"};
  }
  ASSERT_EQ(::chmod(home.path().c_str(), 0555), 0);
  RunningCli run(scriptArguments(home), launcher);
  run.write("set RadioGroup1 0\ncall RadioGroup1Click\nprint Label29\n");
  const CliResult result = run.wait();
  ::chmod(home.path().c_str(), 0700);
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "message: The lock file \"" + home.file("numora.lock").string() +
                            "\" cannot be made: Permission denied. Numora goes on, but a second "
                            "copy started with this folder would not be stopped.\n"
                            "Label29: Sat 10.06.23    53  40  8  3  25  64  54  6  17  15  43  28  "
                            "24  61  32  67  45  22  46  27\n");
}

}  // namespace
}  // namespace numora::test
