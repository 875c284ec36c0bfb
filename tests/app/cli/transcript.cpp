#include "transcript.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "cli_process.h"

namespace numora::test {

Transcript parseTranscript(std::string_view text, const std::string& home) {
  Transcript transcript;
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line.starts_with("= ")) {
      std::string expected(line.substr(2));
      for (auto at = expected.find("{HOME}"); at != std::string::npos;
           at = expected.find("{HOME}", at + home.size())) {
        expected.replace(at, 6, home);
      }
      transcript.expected += expected + "\n";
    } else {
      transcript.script += std::string(line) + "\n";
    }
  }
  return transcript;
}

namespace {

std::vector<std::string_view> lines(std::string_view text) {
  std::vector<std::string_view> result;
  while (!text.empty()) {
    const auto end = text.find('\n');
    result.push_back(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return result;
}

}  // namespace

void expectLines(std::string_view actual, std::string_view expected) {
  const auto got = lines(actual);
  const auto wanted = lines(expected);
  for (std::size_t i = 0; i < std::min(got.size(), wanted.size()); ++i) {
    if (got[i] != wanted[i]) {
      ADD_FAILURE() << "line " << i + 1 << " differs\n  printed:  " << got[i]
                    << "\n  expected: " << wanted[i];
      return;
    }
  }
  EXPECT_EQ(got.size(), wanted.size()) << "the output has another number of lines";
  EXPECT_EQ(actual.ends_with('\n'), expected.ends_with('\n'));
}

void expectTranscript(const TempHome& home, std::string_view text,
                      const std::vector<std::string>& options) {
  const Transcript transcript = parseTranscript(text, home.home());
  const CliResult result = runScript(home, transcript.script, options);
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, transcript.expected) << "script:\n" << transcript.script;
}

}  // namespace numora::test
