// Undo and autosave through numora-cli: "call UndoTipsClick" brings back the tip list an action
// replaced, "call UndoDrawClick" a deleted draw; a tip and an option changed by a script are on
// the disk before the next script line is read, so a kill -9 while the script waits loses
// neither.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "app/settings_store.h"
#include "cli_process.h"
#include "fixture_draws.h"
#include "transcript.h"

extern char** environ;

namespace numora::test {
namespace {

TEST(CliUndo, UndoBringsBackTheTipListAndTheDeletedDraw) {
  TempHome home;
  copyFixture(home, kDailyKenoFixture, "Vuduro.dat");
  const std::string original = home.readBytes("Vuduro.dat");
  expectTranscript(home,
                   "add ListBox1 01,02,03\n"
                   "add ListBox1 04,05,06\n"
                   "call SpeedButton11Click\n"
                   "print ListBox1\n"
                   "= ListBox1.count: 0\n"
                   "call UndoTipsClick\n"
                   "print ListBox1\n"
                   "= ListBox1.count: 2\n"
                   "= ListBox1[0]: 01,02,03\n"
                   "= ListBox1[1]: 04,05,06\n"
                   "call UndoTipsClick\n"
                   "print StatusBar1[1]\n"
                   "= StatusBar1[1]: Nothing to undo\n"
                   "set DateTimePicker1 05.05.2023\n"
                   "call SpeedButton5Click\n"
                   "call BitBtn4Click\n"
                   "call BitBtn4Click\n"
                   "call UndoDrawClick\n"
                   "call UndoDrawClick\n"
                   "print Datum1\n"
                   "= Datum1: 05.05.2023\n");
  EXPECT_EQ(home.readBytes("Vuduro.dat"), original);
  EXPECT_EQ(home.readBytes("tipps.txt"), "01,02,03\r\n04,05,06\r\n") << "saved as it changed";
}

// numora-cli reading its script from a pipe that stays open: it waits for the next line.
class WaitingCli {
 public:
  WaitingCli(const std::vector<std::string>& arguments, const std::string& outFile) {
    int ends[2];
    if (::pipe(ends) != 0) throw std::runtime_error("pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[0], 0);
    posix_spawn_file_actions_addclose(&actions, ends[1]);
    posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    std::vector<std::string> argv = {NUMORA_CLI_PATH};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<char*> pointers;
    for (auto& argument : argv) pointers.push_back(argument.data());
    pointers.push_back(nullptr);
    const int spawned =
        posix_spawn(&child_, NUMORA_CLI_PATH, &actions, nullptr, pointers.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(ends[0]);
    script_ = ends[1];
    if (spawned != 0) throw std::runtime_error("cannot start numora-cli");
  }
  ~WaitingCli() {
    ::close(script_);
    if (child_ > 0) killHard();
  }
  void send(const std::string& lines) { (void)!::write(script_, lines.data(), lines.size()); }
  // SIGKILL: no handler, no clean-up, nothing saved at closing.
  int killHard() {
    ::kill(child_, SIGKILL);
    int status = 0;
    ::waitpid(child_, &status, 0);
    child_ = 0;
    return status;
  }

 private:
  pid_t child_ = 0;
  int script_ = -1;
};

TEST(CliAutosave, AKillWhileTheScriptWaitsLosesNeitherTheTipNorTheOption) {
  TempHome home;
  TempHome streams;
  const std::string settingsFile = home.file("settings.ini").string();
  WaitingCli cli(
      {"--home", home.home(), "--settings", settingsFile, "--now", kScriptNow, "script", "-"},
      streams.file("stdout").string());
  cli.send("add ListBox1 01,02,03\nset UpDown18 7\nprint UpDown18\n");
  // The printed value says both lines before it have run; the script then waits for more.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (streams.readBytes("stdout").find("UpDown18: 7") == std::string::npos &&
         std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ASSERT_NE(streams.readBytes("stdout").find("UpDown18: 7"), std::string::npos);
  const int status = cli.killHard();
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(home.readBytes("tipps.txt"), "01,02,03\r\n");
  FileSettingsStore settings(settingsFile);
  EXPECT_EQ(settings.readInteger("UpDown18"), 7);
}

}  // namespace
}  // namespace numora::test
