#include "cli_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <thread>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "support/draw_fixtures.h"

extern char** environ;

namespace numora::test {
namespace {

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Starts launcher + numora-cli + arguments with the caller's file actions (its standard input)
// and its output streams written to the files "stdout" and "stderr" of the streams folder.
pid_t spawnCli(posix_spawn_file_actions_t& actions, const TempHome& streams,
               const std::vector<std::string>& launcher,
               const std::vector<std::string>& arguments) {
  posix_spawn_file_actions_addopen(&actions, 1, streams.file("stdout").c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, streams.file("stderr").c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);
  std::vector<std::string> argv = launcher;
  argv.push_back(NUMORA_CLI_PATH);
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  std::vector<char*> pointers;
  for (auto& argument : argv) pointers.push_back(argument.data());
  pointers.push_back(nullptr);
  pid_t child = 0;
  const int spawned =
      posix_spawnp(&child, argv[0].c_str(), &actions, nullptr, pointers.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) throw std::runtime_error("cannot start " + argv[0]);
  return child;
}

}  // namespace

CliResult runNumoraCli(const std::vector<std::string>& arguments, const std::string& input,
                       std::optional<std::chrono::milliseconds> killAfter,
                       const std::function<bool()>& killOnlyOnce) {
  // The streams go through files, so a large output can never block the child on a full pipe.
  const TempHome streams;
  const auto inPath = streams.file("stdin");
  streams.writeBytes("stdin", input);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, inPath.c_str(), O_RDONLY, 0);
  const pid_t child = spawnCli(actions, streams, {}, arguments);
  int status = 0;
  pid_t ended = 0;
  if (killAfter) {
    if (killOnlyOnce) {
      while ((ended = waitpid(child, &status, WNOHANG)) == 0 && !killOnlyOnce()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
      }
    }
    const auto deadline = std::chrono::steady_clock::now() + *killAfter;
    while (ended == 0 && (ended = waitpid(child, &status, WNOHANG)) == 0 &&
           std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (ended == 0) ::kill(child, SIGKILL);
  }
  if (ended != child && waitpid(child, &status, 0) != child)
    throw std::runtime_error("waitpid failed");

  CliResult result;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  result.out = readFile(streams.file("stdout"));
  result.err = readFile(streams.file("stderr"));
  return result;
}

std::vector<std::string> scriptArguments(const TempHome& home,
                                         const std::vector<std::string>& options) {
  std::vector<std::string> arguments = {"--home", home.path().string(), "--now", kScriptNow};
  arguments.insert(arguments.end(), options.begin(), options.end());
  arguments.push_back("script");
  arguments.push_back("-");
  return arguments;
}

CliResult runScript(const TempHome& home, const std::string& script,
                    const std::vector<std::string>& options,
                    std::optional<std::chrono::milliseconds> killAfter,
                    const std::function<bool()>& killOnlyOnce) {
  return runNumoraCli(scriptArguments(home, options), script, killAfter, killOnlyOnce);
}

RunningCli::RunningCli(const std::vector<std::string>& arguments,
                       const std::vector<std::string>& launcher) {
  int pipeEnds[2];
  if (::pipe2(pipeEnds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[0], 0);
  try {
    pid_ = spawnCli(actions, streams_, launcher, arguments);
  } catch (...) {
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    throw;
  }
  ::close(pipeEnds[0]);
  input_ = pipeEnds[1];
}

RunningCli::~RunningCli() {
  closeInput();
  if (running()) kill();
  int status = 0;
  if (!status_) (void)waitpid(pid_, &status, 0);
}

void RunningCli::write(const std::string& text) {
  if (::write(input_, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
    throw std::runtime_error("cannot write to numora-cli");
  }
}

void RunningCli::closeInput() {
  if (input_ >= 0) ::close(input_);
  input_ = -1;
}

bool RunningCli::running() {
  if (status_) return false;
  int status = 0;
  if (waitpid(pid_, &status, WNOHANG) != pid_) return true;
  status_ = status;
  return false;
}

void RunningCli::kill() {
  ::kill(pid_, SIGKILL);
}

CliResult RunningCli::wait() {
  closeInput();
  int status = 0;
  if (!status_) {
    if (waitpid(pid_, &status, 0) != pid_) throw std::runtime_error("waitpid failed");
    status_ = status;
  }
  CliResult result;
  result.exitCode = WIFEXITED(*status_) ? WEXITSTATUS(*status_) : 128 + WTERMSIG(*status_);
  result.out = readFile(streams_.file("stdout"));
  result.err = readFile(streams_.file("stderr"));
  return result;
}

void copyFixture(const TempHome& home, const std::string& fixture, const std::string& name) {
  const auto target = home.file(name);
  std::filesystem::copy_file(testData(fixture), target,
                             std::filesystem::copy_options::overwrite_existing);
  // The copy belongs to the test and must be writable.
  std::filesystem::permissions(target, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
}

}  // namespace numora::test
