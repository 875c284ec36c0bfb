// The command line of numora-cli:
//   numora-cli [--home DIR] [--settings FILE] [--now "dd.mm.yyyy hh:nn"] [--wait-lock SECONDS]
//              script [FILE|-]
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/day_date.h"

namespace numora {

inline constexpr const char* kCliUsage =
    "usage: numora-cli [--home DIR] [--settings FILE] [--now \"dd.mm.yyyy hh:nn\"] "
    "[--wait-lock SECONDS] script [FILE|-]\n";

// What --help prints after the usage line.
inline constexpr const char* kCliHelp =
    "       numora-cli --help | --version\n"
    "\n"
    "Runs a script against the main window of Numora Canada: one command a line, read from\n"
    "FILE or from standard input (\"-\", the default).\n"
    "\n"
    "options:\n"
    "  --home DIR        the folder of the draw files and the tip list; by default the\n"
    "                    program's folder, or for an installed program (or one in a folder\n"
    "                    you cannot write) ~/.local/share/Veltrin/Numora Canada/\n"
    "  --settings FILE   read the settings from FILE and write them back there at the end;\n"
    "                    without it the run starts with no settings and keeps none\n"
    "  --now \"dd.mm.yyyy hh:nn\"\n"
    "                    fix the clock at that local date and time\n"
    "  --wait-lock SECONDS\n"
    "                    when another copy of Numora runs with the same Home, wait up to\n"
    "                    that long for it to end; without it (or when the time is up) the\n"
    "                    run ends at once with exit code 3\n"
    "  --help, -h        show this help\n"
    "  --version         show the program's version\n"
    "\n"
    "script commands:\n"
    "  set NAME VALUE              set a control or field as the user would\n"
    "  add|clear|select ListBoxN   edit a list\n"
    "  answer ...                  the reply to the next input box, file or number dialog\n"
    "  now dd.mm.yyyy hh:nn        move the clock\n"
    "  call HANDLER                run a handler (SpeedButton5Click, Komplettcheck, ...)\n"
    "  print NAME                  a control, property or field; \"print Odds\" shows the\n"
    "                              odds of one tip, one line per row\n";

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct CliOptions {
  bool help = false;
  bool version = false;
  std::optional<std::string> home;
  std::optional<std::string> settingsFile;
  std::optional<DayCount> now;
  int waitLockSeconds = 0;
  std::string script = "-";  // "-": standard input
};

// The arguments after the program name; throws UsageError for anything else.
CliOptions parseCommandLine(const std::vector<std::string>& arguments);

}  // namespace numora
