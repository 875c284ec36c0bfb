// Runs the real numora-cli executable with arguments and a standard input, and collects what
// it printed on both streams and its exit code.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "support/temp_home.h"

namespace numora::test {

struct CliResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// The clock every script runs with unless a test names another.
inline constexpr const char* kScriptNow = "15.06.2023 12:00";

// With killAfter, the process is killed with SIGKILL after that long if it still runs. With
// killOnlyOnce as well, that time is counted from the moment killOnlyOnce first returns true
// (polled while the process runs), so a kill cannot fall before that moment.
CliResult runNumoraCli(const std::vector<std::string>& arguments, const std::string& input = {},
                       std::optional<std::chrono::milliseconds> killAfter = std::nullopt,
                       const std::function<bool()>& killOnlyOnce = {});

// "numora-cli --home HOME --now kScriptNow [options] script -" with the script on standard input.
CliResult runScript(const TempHome& home, const std::string& script,
                    const std::vector<std::string>& options = {},
                    std::optional<std::chrono::milliseconds> killAfter = std::nullopt,
                    const std::function<bool()>& killOnlyOnce = {});

// numora-cli started and left running: its standard input is a pipe the test writes to and
// closes, so the test decides when the script ends.
class RunningCli {
 public:
  // launcher: a program with its arguments that starts numora-cli (setpriv to run it as another
  // user); empty: numora-cli itself.
  explicit RunningCli(const std::vector<std::string>& arguments,
                      const std::vector<std::string>& launcher = {});
  ~RunningCli();  // kills a process still running
  RunningCli(const RunningCli&) = delete;
  RunningCli& operator=(const RunningCli&) = delete;

  int pid() const { return pid_; }
  void write(const std::string& text);
  void closeInput();
  bool running();
  void kill();
  // Closes the input and waits for the end.
  CliResult wait();

 private:
  TempHome streams_;
  int pid_ = -1;
  int input_ = -1;
  std::optional<int> status_;
};

// "--home HOME --now kScriptNow [options] script -", the arguments of runScript.
std::vector<std::string> scriptArguments(const TempHome& home,
                                         const std::vector<std::string>& options = {});

// Copies one of the draw fixtures into Home under the given name.
void copyFixture(const TempHome& home, const std::string& fixture, const std::string& name);

inline constexpr const char* kDailyKenoFixture = "dailykeno-2023-04-20_2023-06-10.dat";
inline constexpr const char* kKenoAtlanticFixture = "kenoatlantic-2023-04-20_2023-06-10.dat";

}  // namespace numora::test
