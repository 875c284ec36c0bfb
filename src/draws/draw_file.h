// The draw file: a headerless sequence of 40-byte records, oldest first. One reader loads a
// file into memory and keeps it while the file's size and modification time stay the same, so
// the many full reads of the program become walks over an array. Appends go through the
// appender, which starts at the last whole record even when the file ends in a torn one.
#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "draws/damaged_records.h"
#include "draws/draw_record.h"

namespace numora {

class DrawFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct DrawHistory {
  std::vector<DrawRecord> records;
};

// The whole records of a draw file's bytes, in file order; a torn last record is left out.
std::vector<DrawRecord> decodeDrawRecords(std::span<const std::uint8_t> bytes);

// The bytes after the file's last whole record (a record torn by a crash), which the reader
// leaves out; empty when the file ends on a record boundary. Throws DrawFileError when the file
// cannot be read.
std::string readTornTail(const std::filesystem::path& path);

// Home + ZahlenFile. The two spellings of a draw file's name ("VuduRO.dat", "Vuduro.dat")
// name the same file: an existing file whose name differs only in case is used.
std::filesystem::path drawFilePath(const std::string& home, const std::string& zahlenFile);

class DrawFileReader {
 public:
  // drawFilePath, remembered while the file it found exists (a step need not search the folder).
  std::filesystem::path locate(const std::string& home, const std::string& zahlenFile);
  // The whole records of the file; throws DrawFileError when the file cannot be read or is no
  // regular file (a pipe or a device would block or never end).
  std::shared_ptr<const DrawHistory> load(const std::filesystem::path& path);
  // Forget the cached history, after a write.
  void invalidate();
  // While set, every load answers as if the file ended after its first `count` records: a
  // back-test's calculation must not see the draws after its cycle's draw.
  void limitRecords(std::optional<std::size_t> count) { limit_ = count; }
  std::optional<std::size_t> recordLimit() const { return limit_; }
  // The walk over a history this reader answered (damaged_records.h), found once per history,
  // length, lottery and day.
  std::shared_ptr<const DrawWalk> walk(const std::shared_ptr<const DrawHistory>& history,
                                       const Lottery& lottery, DayCount today);
  // How many times a file was actually read (the rest came from memory).
  int readsFromDisk() const { return readsFromDisk_; }

 private:
  std::string locatedHome_;
  std::string locatedName_;
  std::filesystem::path locatedPath_;
  std::filesystem::path path_;
  std::uintmax_t size_ = 0;
  std::filesystem::file_time_type modified_{};
  std::shared_ptr<const DrawHistory> history_;
  int readsFromDisk_ = 0;
  std::optional<std::size_t> limit_;
  std::shared_ptr<DrawHistory> limited_;  // the last cut-off view and what it was cut from
  std::shared_ptr<const DrawHistory> limitedFrom_;
  // A back-test's cut-off view is moved along in place, so its length is part of the key.
  std::weak_ptr<const DrawHistory> walkOf_;
  std::size_t walkLength_ = 0;
  DayCount walkFirstDate_ = 0;
  int walkDrawsPerDate_ = 0;
  DayCount walkToday_ = 0;
  std::shared_ptr<const DrawWalk> walk_;

  std::shared_ptr<const DrawHistory> visible();
};

// Throws DrawFileError, with the text the update run gives, when the draw file exists and its
// user made it read-only: no writer of the draw file replaces such a file (the rewrite could
// otherwise rename a new file over it). A missing file may be created.
void refuseReadOnlyDrawFile(const std::filesystem::path& path);

// Appends records to a draw file, creating it when missing and refusing anything that is not a
// regular file. A torn last record (a length that is not a multiple of 40) is cut off first, so
// new records stay aligned. Each append first checks that the file is still the one it opened,
// as long as it left it: a file another program renamed into its place or wrote to meanwhile
// is refused (DrawFileError) and left untouched. Closing syncs the appends to the disk.
class DrawFileAppender {
 public:
  DrawFileAppender(const std::filesystem::path& path, DrawFileReader& reader);
  ~DrawFileAppender();
  DrawFileAppender(const DrawFileAppender&) = delete;
  DrawFileAppender& operator=(const DrawFileAppender&) = delete;

  // Written and flushed at once, so a record survives a later failure.
  void append(const DrawRecord& record);
  void close();

 private:
  void checkStillTheFileOpened() const;

  std::filesystem::path path_;
  DrawFileReader& reader_;
  std::FILE* file_ = nullptr;
  // The file opened, and its length after the last append.
  std::uint64_t device_ = 0;
  std::uint64_t inode_ = 0;
  std::int64_t length_ = 0;
};

}  // namespace numora
