// A transcript interleaves a script with the output it must print: lines that start with "= "
// are expected output, every other line is a script line. "{HOME}" in an expected line stands
// for Home. It keeps each expectation next to the command that causes it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "support/temp_home.h"

namespace numora::test {

struct Transcript {
  std::string script;
  std::string expected;
};

Transcript parseTranscript(std::string_view text, const std::string& home);

// Long outputs (charts of 70 bars) compared line by line: a difference is reported with its
// line number and the two lines, not as two screens of text.
void expectLines(std::string_view actual, std::string_view expected);

// Runs the script through numora-cli and expects exactly the output, exit code 0 and nothing on
// standard error.
void expectTranscript(const TempHome& home, std::string_view transcript,
                      const std::vector<std::string>& options = {});

}  // namespace numora::test
