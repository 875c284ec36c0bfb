#include "app/cli/command_line.h"

#include "app/cli/text_escape.h"
#include "common/text.h"

namespace numora {

CliOptions parseCommandLine(const std::vector<std::string>& arguments) {
  CliOptions options;
  std::size_t i = 0;
  auto valueOf = [&](const std::string& option) -> const std::string& {
    if (i + 1 >= arguments.size()) throw UsageError(option + " needs a value");
    return arguments[++i];
  };
  for (; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--help" || argument == "-h") {
      options.help = true;
      return options;
    }
    if (argument == "--version") {
      options.version = true;
      return options;
    }
    if (argument == "--home") {
      options.home = valueOf(argument);
    } else if (argument == "--settings") {
      options.settingsFile = valueOf(argument);
    } else if (argument == "--now") {
      const std::string& text = valueOf(argument);
      options.now = parseDateTime(text);
      if (!options.now) {
        throw UsageError("--now expects \"dd.mm.yyyy hh:nn\", got '" + escapeText(text) + "'");
      }
    } else if (argument == "--wait-lock") {
      const std::string& text = valueOf(argument);
      const auto seconds = parseStrictInt(text);
      if (!seconds || *seconds < 0) {
        throw UsageError("--wait-lock expects a whole number of seconds, got '" + escapeText(text) +
                         "'");
      }
      options.waitLockSeconds = *seconds;
    } else if (argument == "script") {
      break;
    } else {
      throw UsageError("unknown argument '" + escapeText(argument) + "'");
    }
  }
  if (i >= arguments.size()) throw UsageError("the command 'script' is missing");
  if (i + 1 < arguments.size()) options.script = arguments[i + 1];
  if (i + 2 < arguments.size()) {
    throw UsageError("unexpected argument '" + escapeText(arguments[i + 2]) + "'");
  }
  return options;
}

}  // namespace numora
