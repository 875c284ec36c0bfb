// One run of numora-cli: read the command line, create the main window's form model with its
// settings store, Home and clock, then run the script against it.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace numora {

// Exit codes: 0 the script ran to its end, 1 a script line failed, 2 a wrong command line.
int runCli(const std::vector<std::string>& arguments, const std::string& programFolder,
           std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace numora
