// A fresh Home folder per test, removed afterwards.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "draws/draw_record.h"

namespace numora::test {

class TempHome {
 public:
  TempHome();
  ~TempHome();
  TempHome(const TempHome&) = delete;
  TempHome& operator=(const TempHome&) = delete;

  // The folder with a trailing "/", as Home holds it.
  std::string home() const { return path_.string() + "/"; }
  std::filesystem::path path() const { return path_; }
  std::filesystem::path file(const std::string& name) const { return path_ / name; }

  void writeDraws(const std::string& name, const std::vector<DrawRecord>& records) const;
  void writeBytes(const std::string& name, const std::string& bytes) const;
  std::string readBytes(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

}  // namespace numora::test
