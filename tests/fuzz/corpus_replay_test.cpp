// Every file of a fuzz target's corpus run once through the target, as a regression test: a
// crash or a broken invariant fails the file's test.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> corpusFiles() {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(NUMORA_FUZZ_CORPUS)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string testName(const testing::TestParamInfo<std::filesystem::path>& info) {
  std::string name = info.param.filename().string();
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

class CorpusReplay : public testing::TestWithParam<std::filesystem::path> {};

TEST_P(CorpusReplay, RunsWithoutFinding) {
  std::ifstream in(GetParam(), std::ios::binary);
  ASSERT_TRUE(in) << GetParam();
  const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>()};
  EXPECT_EQ(
      LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), 0);
}

INSTANTIATE_TEST_SUITE_P(NUMORA_FUZZ_TARGET, CorpusReplay, testing::ValuesIn(corpusFiles()),
                         testName);

}  // namespace
