// One run of numora-cli: read the command line, create the main window's form model with its
// settings store, Home and clock, then run the script against it.
#pragma once

#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "form/controls.h"
#include "form/print_document.h"

namespace numora {

// What paints the PDF files and chart images of a run; without them both are refused.
struct CliRenderers {
  std::function<void(const PrintDocument&, const std::string&)> pdf;
  std::function<void(const Chart&, const std::string&, ImageSize)> chart;
};

// Exit codes: 0 the script ran to its end, 1 a script line failed, 2 a wrong command line,
// 3 another copy of the program runs with the same Home (after --wait-lock, still).
int runCli(const std::vector<std::string>& arguments, const std::string& programFolder,
           std::istream& in, std::ostream& out, std::ostream& err,
           const CliRenderers& renderers = {});

}  // namespace numora
