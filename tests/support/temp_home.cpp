#include "support/temp_home.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace numora::test {

TempHome::TempHome() {
  std::string pattern = (std::filesystem::temp_directory_path() / "numora-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempHome::~TempHome() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void TempHome::writeDraws(const std::string& name, const std::vector<DrawRecord>& records) const {
  std::string bytes;
  for (const auto& record : records) {
    const auto encoded = record.encode();
    bytes.append(encoded.begin(), encoded.end());
  }
  writeBytes(name, bytes);
}

void TempHome::writeBytes(const std::string& name, const std::string& bytes) const {
  std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TempHome::readBytes(const std::string& name) const {
  std::ifstream in(file(name), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace numora::test
