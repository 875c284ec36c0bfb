#include "draws/draw_file.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/translatable.h"

namespace numora {
namespace {

bool equalIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// The pattern names the file as %1 and the system's reason as %2.
std::string errorText(const std::filesystem::path& path, const char* pattern) {
  return fillPattern(pattern, {path.string(), std::strerror(errno)});
}

std::string notRegularText(const std::filesystem::path& path) {
  return fillPattern(
      NUMORA_TRANSLATABLE("Numora",
                          "\"%1\" is not a regular file (a folder, a pipe or a device), so it "
                          "cannot hold the draws. Remove it or rename it; the update then starts a "
                          "new draw file."),
      {path.string()});
}

// Opens without waiting: a named pipe would block the open itself for ever.
int openRegular(const std::filesystem::path& path, int flags) {
  const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0644);
  if (fd < 0) {
    if (errno == ENXIO || errno == EISDIR) throw DrawFileError(notRegularText(path));
    throw DrawFileError(
        errorText(path, NUMORA_TRANSLATABLE("Numora", "Cannot open file \"%1\": %2")));
  }
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    throw DrawFileError(notRegularText(path));
  }
  (void)::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

}  // namespace

void refuseReadOnlyDrawFile(const std::filesystem::path& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return;
  // A file without any write permission is read-only on purpose, also for the administrator,
  // whom access() lets write anything.
  const bool writable = ::access(path.c_str(), W_OK) == 0;
  if (writable && (status.st_mode & 0222) != 0) return;
  if (writable) errno = EACCES;
  throw DrawFileError(
      errorText(path, NUMORA_TRANSLATABLE("Numora", "Cannot open file \"%1\": %2")));
}

std::string readTornTail(const std::filesystem::path& path) {
  const int fd = openRegular(path, O_RDONLY);
  struct stat status {};
  std::string tail;
  if (::fstat(fd, &status) == 0) {
    const auto size = static_cast<std::size_t>(status.st_size % DrawRecord::kSize);
    tail.resize(size);
    const ssize_t got = ::pread(fd, tail.data(), size, status.st_size - static_cast<off_t>(size));
    if (got != static_cast<ssize_t>(size)) tail.clear();
  }
  ::close(fd);
  return tail;
}

std::vector<DrawRecord> decodeDrawRecords(std::span<const std::uint8_t> bytes) {
  const std::size_t whole = bytes.size() / DrawRecord::kSize;
  std::vector<DrawRecord> records;
  records.reserve(whole);
  for (std::size_t i = 0; i < whole; ++i) {
    records.push_back(
        DrawRecord::decode(bytes.subspan(i * DrawRecord::kSize).first<DrawRecord::kSize>()));
  }
  return records;
}

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
  std::error_code statusError;
  const auto status = fs::status(path, statusError);
  if (!statusError && fs::exists(status) && !fs::is_regular_file(status)) {
    throw DrawFileError(notRegularText(path));
  }
  std::error_code sizeError;
  std::error_code timeError;
  const auto size = fs::file_size(path, sizeError);
  const auto modified = fs::last_write_time(path, timeError);
  if (sizeError || timeError) {
    const std::error_code& error = sizeError ? sizeError : timeError;
    throw DrawFileError(fillPattern(NUMORA_TRANSLATABLE("Numora", "Cannot open file \"%1\". %2"),
                                    {path.string(), error.message()}));
  }
  if (history_ && path == path_ && size == size_ && modified == modified_) return visible();

  const int fd = openRegular(path, O_RDONLY);
  const std::size_t whole = static_cast<std::size_t>(size / DrawRecord::kSize);
  std::vector<std::uint8_t> bytes(whole * DrawRecord::kSize);
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += static_cast<std::size_t>(got);
  }
  ::close(fd);
  if (done != bytes.size()) {
    throw DrawFileError(
        fillPattern(NUMORA_TRANSLATABLE("Numora", "Read error in \"%1\""), {path.string()}));
  }

  auto history = std::make_shared<DrawHistory>();
  history->records = decodeDrawRecords(bytes);
  ++readsFromDisk_;
  path_ = path;
  size_ = size;
  modified_ = modified;
  history_ = std::move(history);
  return visible();
}

std::shared_ptr<const DrawHistory> DrawFileReader::visible() {
  if (!limit_ || *limit_ >= history_->records.size()) return history_;
  const auto& all = history_->records;
  const auto end = all.begin() + static_cast<std::ptrdiff_t>(*limit_);
  if (limited_ && limitedFrom_ == history_) {
    if (limited_->records.size() == *limit_) return limited_;
    // A back-test moves the limit one draw at a time: a view nobody else holds any more is
    // moved along instead of copied afresh.
    if (limited_.use_count() == 1) {
      auto& records = limited_->records;
      if (records.size() > *limit_) {
        records.resize(*limit_);
      } else {
        records.insert(records.end(), all.begin() + static_cast<std::ptrdiff_t>(records.size()),
                       end);
      }
      return limited_;
    }
  }
  auto cut = std::make_shared<DrawHistory>();
  cut->records.assign(all.begin(), end);
  limitedFrom_ = history_;
  limited_ = std::move(cut);
  return limited_;
}

std::shared_ptr<const DrawWalk> DrawFileReader::walk(
    const std::shared_ptr<const DrawHistory>& history, const Lottery& lottery, DayCount today) {
  const bool cached = walk_ && walkOf_.lock() == history &&
                      walkLength_ == history->records.size() &&
                      walkFirstDate_ == lottery.firstDrawDate &&
                      walkDrawsPerDate_ == lottery.drawsPerDate && walkToday_ == today;
  if (!cached) {
    walk_ = std::make_shared<const DrawWalk>(walkDrawRecords(history->records, lottery, today));
    walkToday_ = today;
    walkOf_ = history;
    walkLength_ = history->records.size();
    walkFirstDate_ = lottery.firstDrawDate;
    walkDrawsPerDate_ = lottery.drawsPerDate;
  }
  return walk_;
}

void DrawFileReader::invalidate() {
  history_.reset();
  limited_.reset();
  limitedFrom_.reset();
}

DrawFileAppender::DrawFileAppender(const std::filesystem::path& path, DrawFileReader& reader)
    : path_(path), reader_(reader) {
  refuseReadOnlyDrawFile(path);
  const int fd = openRegular(path, O_WRONLY | O_APPEND | O_CREAT);
  struct stat status {};
  if (::fstat(fd, &status) == 0 && status.st_size % DrawRecord::kSize != 0 &&
      ::ftruncate(fd, status.st_size - status.st_size % DrawRecord::kSize) != 0) {
    const std::string text =
        errorText(path, NUMORA_TRANSLATABLE("Numora", "Cannot repair \"%1\": %2"));
    ::close(fd);
    throw DrawFileError(text);
  }
  if (::fstat(fd, &status) != 0) {
    const std::string text =
        errorText(path, NUMORA_TRANSLATABLE("Numora", "Cannot open file \"%1\": %2"));
    ::close(fd);
    throw DrawFileError(text);
  }
  device_ = status.st_dev;
  inode_ = status.st_ino;
  length_ = status.st_size;
  file_ = ::fdopen(fd, "ab");
  if (!file_) {
    const std::string text =
        errorText(path, NUMORA_TRANSLATABLE("Numora", "Cannot open file \"%1\": %2"));
    ::close(fd);
    throw DrawFileError(text);
  }
  reader_.invalidate();
}

DrawFileAppender::~DrawFileAppender() {
  // A run that ended with an error keeps its appends too; errors here have no one to go to.
  if (!file_) return;
  (void)std::fflush(file_);
  (void)::fsync(::fileno(file_));
  std::fclose(file_);
}

void DrawFileAppender::checkStillTheFileOpened() const {
  struct stat named {};
  struct stat opened {};
  const bool same = ::stat(path_.c_str(), &named) == 0 && ::fstat(::fileno(file_), &opened) == 0 &&
                    named.st_dev == device_ && named.st_ino == inode_ && opened.st_size == length_;
  if (same) return;
  // Written on, the draws would go into a file no longer shown (renamed over) or behind draws
  // another copy of the program stored meanwhile.
  throw DrawFileError(fillPattern(
      NUMORA_TRANSLATABLE("Numora",
                          "\"%1\" was replaced or changed by another program while the update "
                          "ran, so the update stopped without writing to it. Start the update "
                          "again."),
      {path_.string()}));
}

void DrawFileAppender::append(const DrawRecord& record) {
  const auto bytes = record.encode();
  reader_.invalidate();
  checkStillTheFileOpened();
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size() ||
      std::fflush(file_) != 0) {
    throw DrawFileError(
        errorText(path_, NUMORA_TRANSLATABLE("Numora", "Cannot write to \"%1\": %2")));
  }
  length_ += static_cast<std::int64_t>(bytes.size());
}

void DrawFileAppender::close() {
  if (!file_) return;
  // On the disk before the run reports success: a power loss then cannot take the new draws or
  // leave zeros in their place.
  const bool synced = std::fflush(file_) == 0 && ::fsync(::fileno(file_)) == 0;
  const bool ok = std::fclose(file_) == 0 && synced;
  file_ = nullptr;
  reader_.invalidate();
  if (!ok)
    throw DrawFileError(errorText(path_, NUMORA_TRANSLATABLE("Numora", "Cannot close \"%1\": %2")));
}

}  // namespace numora
