// The command line of numora-cli:
//   numora-cli [--home DIR] [--settings FILE] [--now "dd.mm.yyyy hh:nn"] script [FILE|-]
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/day_date.h"

namespace numora {

inline constexpr const char* kCliUsage =
    "usage: numora-cli [--home DIR] [--settings FILE] [--now \"dd.mm.yyyy hh:nn\"] "
    "script [FILE|-]\n";

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct CliOptions {
  bool help = false;
  std::optional<std::string> home;
  std::optional<std::string> settingsFile;
  std::optional<DayCount> now;
  std::string script = "-";  // "-": standard input
};

// The arguments after the program name; throws UsageError for anything else.
CliOptions parseCommandLine(const std::vector<std::string>& arguments);

}  // namespace numora
