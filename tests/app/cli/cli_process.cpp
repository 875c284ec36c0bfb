#include "cli_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

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

}  // namespace

CliResult runNumoraCli(const std::vector<std::string>& arguments, const std::string& input,
                       std::optional<std::chrono::milliseconds> killAfter,
                       const std::function<bool()>& killOnlyOnce) {
  // The streams go through files, so a large output can never block the child on a full pipe.
  const TempHome streams;
  const auto inPath = streams.file("stdin");
  const auto outPath = streams.file("stdout");
  const auto errPath = streams.file("stderr");
  streams.writeBytes("stdin", input);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, inPath.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);

  std::vector<std::string> argv = {NUMORA_CLI_PATH};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  std::vector<char*> pointers;
  for (auto& argument : argv) pointers.push_back(argument.data());
  pointers.push_back(nullptr);

  pid_t child = 0;
  const int spawned =
      posix_spawn(&child, NUMORA_CLI_PATH, &actions, nullptr, pointers.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) throw std::runtime_error("cannot start " + std::string(NUMORA_CLI_PATH));
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
  result.out = readFile(outPath);
  result.err = readFile(errPath);
  return result;
}

CliResult runScript(const TempHome& home, const std::string& script,
                    const std::vector<std::string>& options,
                    std::optional<std::chrono::milliseconds> killAfter,
                    const std::function<bool()>& killOnlyOnce) {
  std::vector<std::string> arguments = {"--home", home.path().string(), "--now", kScriptNow};
  arguments.insert(arguments.end(), options.begin(), options.end());
  arguments.push_back("script");
  arguments.push_back("-");
  return runNumoraCli(arguments, script, killAfter, killOnlyOnce);
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
