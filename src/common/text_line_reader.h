// Reading a text line by line without holding it whole: the bytes come in chunks from memory or
// from a file, the first bytes select the decoding (UTF-8 or UTF-16, detectTextEncoding), lines end
// at CR, LF or CR LF, and a line longer than a limit is kept only up to the limit, so the memory a
// read needs is bounded by the limit whatever the file holds.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "common/text_decoding.h"

namespace numora {

// Where the bytes of a text come from.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Up to size bytes into buffer; fewer only at the end of the bytes, 0 after it.
  virtual std::size_t read(char* buffer, std::size_t size) = 0;
  // Back to the first byte, for another pass.
  virtual void rewind() = 0;
  virtual std::uint64_t size() const = 0;
};

class MemoryByteSource : public ByteSource {
 public:
  explicit MemoryByteSource(std::string_view bytes) : bytes_(bytes) {}
  std::size_t read(char* buffer, std::size_t size) override;
  void rewind() override { offset_ = 0; }
  std::uint64_t size() const override { return bytes_.size(); }

 private:
  std::string_view bytes_;
  std::size_t offset_ = 0;
};

// An open file; throws std::runtime_error with the system's error text when it cannot be opened
// or read.
class FileByteSource : public ByteSource {
 public:
  explicit FileByteSource(const std::filesystem::path& path);
  ~FileByteSource() override;
  FileByteSource(const FileByteSource&) = delete;
  FileByteSource& operator=(const FileByteSource&) = delete;
  std::size_t read(char* buffer, std::size_t size) override;
  void rewind() override;
  std::uint64_t size() const override { return size_; }

 private:
  std::filesystem::path path_;
  std::FILE* file_ = nullptr;
  std::uint64_t size_ = 0;
};

struct TextLine {
  int number = 0;         // 1-based
  std::string_view text;  // without its line end; valid until the next line is read
  bool tooLong = false;   // longer than the limit: text holds the first characters only
};

class TextLineReader {
 public:
  // Starts at the first byte of the source; maxCharacters counts characters, not bytes.
  TextLineReader(ByteSource& source, std::size_t maxCharacters);

  // The next line, false after the last one. A final line end adds no line.
  bool next(TextLine& line);
  // Bytes taken from the source so far.
  std::uint64_t bytesRead() const { return bytesRead_; }

 private:
  bool refill();

  ByteSource& source_;
  std::size_t maxCharacters_;
  std::string raw_;      // the last chunk as read
  std::string decoded_;  // the last chunk as UTF-8, for UTF-16 sources
  std::string_view pending_;
  std::optional<Utf16Decoder> utf16_;
  bool started_ = false;
  bool ended_ = false;
  bool skipLineFeed_ = false;  // the last chunk ended in CR: an LF that follows belongs to it
  std::string line_;
  int lineNumber_ = 0;
  std::uint64_t bytesRead_ = 0;
};

}  // namespace numora
