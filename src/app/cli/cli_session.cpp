#include "app/cli/cli_session.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/cli/command_line.h"
#include "app/cli/script_runner.h"
#include "app/cli/text_escape.h"
#include "app/daruvizo.h"
#include "app/home_folder.h"
#include "app/home_lock.h"
#include "app/settings_store.h"
#include "form/scripted_platform.h"

namespace numora {
namespace {

constexpr int kUsageFailure = 2;
constexpr int kScriptFailure = 1;
constexpr int kHomeInUse = 3;

std::unique_ptr<SettingsStore> openSettings(const CliOptions& options) {
  if (options.settingsFile) return std::make_unique<FileSettingsStore>(*options.settingsFile);
  return std::make_unique<MemorySettingsStore>();
}

}  // namespace

int runCli(const std::vector<std::string>& arguments, const std::string& programFolder,
           std::istream& in, std::ostream& out, std::ostream& err, const CliRenderers& renderers) {
  CliOptions options;
  try {
    options = parseCommandLine(arguments);
    // Every file of the program lives in Home; a mistyped folder would only show up later as
    // a missing draw file or a tip list that was never saved.
    std::error_code error;
    if (options.home && !std::filesystem::is_directory(*options.home, error)) {
      throw UsageError("--home: no folder '" + escapeText(*options.home) + "'");
    }
  } catch (const UsageError& error) {
    err << "error: " << error.what() << '\n' << kCliUsage;
    return kUsageFailure;
  }
  if (options.help) {
    out << kCliUsage << kCliHelp;
    return 0;
  }
  if (options.version) {
    out << "numora-cli " << NUMORA_VERSION << '\n';
    return 0;
  }

  std::ifstream file;
  if (options.script != "-") {
    file.open(options.script, std::ios::binary);
    if (!file) {
      err << "error: cannot open the script '" << escapeText(options.script) << "'\n";
      return kScriptFailure;
    }
  }
  std::istream& script = options.script == "-" ? in : file;

  try {
    const auto settings = openSettings(options);
    ScriptedPlatform platform;
    if (options.now) platform.fixClock(*options.now);
    platform.pdfWriter = renderers.pdf;
    platform.chartWriter = renderers.chart;
    const std::string home =
        options.home ? withTrailingSeparator(*options.home) : determineHome(programFolder);
    // Held to the end of the run, past the last write of the tip list and the settings.
    const HomeLock lock = HomeLock::acquire(home, std::chrono::seconds(options.waitLockSeconds));
    if (lock.state() == HomeLock::State::HeldByAnother) {
      err << "error: " << kAlreadyRunningMessage << '\n';
      return kHomeInUse;
    }
    TForm1 form1(platform, *settings, home);
    ScriptRunner runner(form1, platform, out, err);
    if (lock.state() == HomeLock::State::Unavailable) platform.showMessage(lock.failure());
    form1.FormCreate(TForm1::kClientHeight);
    return runner.run(script);
  } catch (const std::exception& error) {
    out.flush();
    err << "error: " << error.what() << '\n';
    return kScriptFailure;
  }
}

}  // namespace numora
