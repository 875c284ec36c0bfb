#include "draws/draw_file.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fstream>

namespace numora {
namespace {

bool equalIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::string errorText(const std::filesystem::path& path, const char* what) {
  return std::string(what) + " \"" + path.string() + "\": " + std::strerror(errno);
}

}  // namespace

std::filesystem::path drawFilePath(const std::string& home, const std::string& zahlenFile) {
  namespace fs = std::filesystem;
  const fs::path folder(home);
  const fs::path exact = folder / zahlenFile;
  std::error_code error;
  if (fs::exists(exact, error)) return exact;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    if (equalIgnoringCase(entry.path().filename().string(), zahlenFile)) return entry.path();
  }
  return exact;
}

std::filesystem::path DrawFileReader::locate(const std::string& home,
                                             const std::string& zahlenFile) {
  std::error_code error;
  if (home == locatedHome_ && zahlenFile == locatedName_ &&
      std::filesystem::exists(locatedPath_, error)) {
    return locatedPath_;
  }
  locatedHome_ = home;
  locatedName_ = zahlenFile;
  locatedPath_ = drawFilePath(home, zahlenFile);
  return locatedPath_;
}

std::shared_ptr<const DrawHistory> DrawFileReader::load(const std::filesystem::path& path) {
  namespace fs = std::filesystem;
  std::error_code sizeError;
  std::error_code timeError;
  const auto size = fs::file_size(path, sizeError);
  const auto modified = fs::last_write_time(path, timeError);
  if (sizeError || timeError) {
    const std::error_code& error = sizeError ? sizeError : timeError;
    throw DrawFileError("Cannot open file \"" + path.string() + "\". " + error.message());
  }
  if (history_ && path == path_ && size == size_ && modified == modified_) return history_;

  std::ifstream in(path, std::ios::binary);
  if (!in) throw DrawFileError(errorText(path, "Cannot open file"));
  const std::size_t whole = static_cast<std::size_t>(size / DrawRecord::kSize);
  std::vector<std::uint8_t> bytes(whole * DrawRecord::kSize);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (in.gcount() != static_cast<std::streamsize>(bytes.size())) {
    throw DrawFileError("Read error in \"" + path.string() + "\"");
  }

  auto history = std::make_shared<DrawHistory>();
  history->records.reserve(whole);
  for (std::size_t i = 0; i < whole; ++i) {
    history->records.push_back(DrawRecord::decode(std::span<const std::uint8_t, DrawRecord::kSize>(
        bytes.data() + i * DrawRecord::kSize, DrawRecord::kSize)));
  }
  ++readsFromDisk_;
  path_ = path;
  size_ = size;
  modified_ = modified;
  history_ = std::move(history);
  return history_;
}

void DrawFileReader::invalidate() {
  history_.reset();
}

DrawFileAppender::DrawFileAppender(const std::filesystem::path& path, DrawFileReader& reader)
    : path_(path), reader_(reader) {
  namespace fs = std::filesystem;
  std::error_code error;
  if (fs::exists(path, error)) {
    const auto size = fs::file_size(path, error);
    if (!error && size % DrawRecord::kSize != 0) {
      fs::resize_file(path, size - size % DrawRecord::kSize, error);
      if (error) throw DrawFileError("Cannot repair \"" + path.string() + "\": " + error.message());
    }
  }
  file_ = std::fopen(path.c_str(), "ab");
  if (!file_) throw DrawFileError(errorText(path, "Cannot open file"));
  reader_.invalidate();
}

DrawFileAppender::~DrawFileAppender() {
  if (file_) std::fclose(file_);
}

void DrawFileAppender::append(const DrawRecord& record) {
  const auto bytes = record.encode();
  reader_.invalidate();
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size() ||
      std::fflush(file_) != 0) {
    throw DrawFileError(errorText(path_, "Cannot write to"));
  }
}

void DrawFileAppender::close() {
  if (!file_) return;
  const bool ok = std::fclose(file_) == 0;
  file_ = nullptr;
  reader_.invalidate();
  if (!ok) throw DrawFileError(errorText(path_, "Cannot close"));
}

}  // namespace numora
