#include "common/text_line_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "common/translatable.h"

namespace numora {
namespace {

constexpr std::size_t kChunkSize = std::size_t{64} * 1024;

// The pattern names the file as %1 and the system's reason as %2.
std::runtime_error fileError(const char* pattern, const std::filesystem::path& path) {
  return std::runtime_error(fillPattern(pattern, {path.string(), std::strerror(errno)}));
}

constexpr const char* kReadError = NUMORA_TRANSLATABLE("Numora", "Read error in \"%1\": %2");

// A UTF-8 continuation byte: part of a character begun before it.
bool continuesCharacter(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::size_t MemoryByteSource::read(char* buffer, std::size_t size) {
  const std::size_t count = std::min(size, bytes_.size() - offset_);
  // An empty buffer may have no storage at all: memcpy from a null pointer is undefined.
  if (count == 0) return 0;
  std::memcpy(buffer, bytes_.data() + offset_, count);
  offset_ += count;
  return count;
}

FileByteSource::FileByteSource(const std::filesystem::path& path) : path_(path) {
  file_ = std::fopen(path.c_str(), "rb");
  if (!file_) throw fileError(NUMORA_TRANSLATABLE("Numora", "Cannot open file \"%1\": %2"), path);
  std::error_code error;
  size_ = std::filesystem::file_size(path, error);
  if (error) size_ = 0;
}

FileByteSource::~FileByteSource() {
  if (file_) std::fclose(file_);
}

std::size_t FileByteSource::read(char* buffer, std::size_t size) {
  const std::size_t count = std::fread(buffer, 1, size, file_);
  if (count < size && std::ferror(file_)) throw fileError(kReadError, path_);
  return count;
}

void FileByteSource::rewind() {
  if (std::fseek(file_, 0, SEEK_SET) != 0) throw fileError(kReadError, path_);
  std::clearerr(file_);
}

TextLineReader::TextLineReader(ByteSource& source, std::size_t maxCharacters)
    : source_(source), maxCharacters_(maxCharacters) {
  raw_.resize(kChunkSize);
}

bool TextLineReader::refill() {
  if (ended_) return false;
  raw_.resize(kChunkSize);
  std::size_t count = source_.read(raw_.data(), raw_.size());
  bytesRead_ += count;
  std::string_view bytes(raw_.data(), count);
  if (!started_) {
    started_ = true;
    const auto mark = detectTextEncoding(bytes);
    bytes.remove_prefix(mark.length);
    if (mark.encoding != TextEncoding::Utf8) {
      utf16_.emplace(mark.encoding == TextEncoding::Utf16BigEndian);
    }
  }
  if (count == 0) ended_ = true;
  if (utf16_) {
    decoded_.clear();
    utf16_->decode(bytes, decoded_);
    if (ended_) utf16_->finish(decoded_);
    pending_ = decoded_;
  } else {
    pending_ = bytes;
  }
  return !pending_.empty() || !ended_;
}

bool TextLineReader::next(TextLine& line) {
  line_.clear();
  std::size_t characters = 0;
  bool tooLong = false;
  bool any = false;  // a character or a line end of this line was seen
  for (;;) {
    if (pending_.empty()) {
      if (!refill()) break;
      continue;
    }
    if (skipLineFeed_) {
      skipLineFeed_ = false;
      if (pending_.front() == '\n') {
        pending_.remove_prefix(1);
        continue;
      }
    }
    any = true;
    const auto end = std::find_if(pending_.begin(), pending_.end(),
                                  [](char c) { return c == '\n' || c == '\r'; });
    const std::string_view part =
        pending_.substr(0, static_cast<std::size_t>(end - pending_.begin()));
    if (!tooLong) {
      // Only the characters up to the limit are kept; the rest of a long line is skipped.
      std::size_t taken = 0;
      for (; taken < part.size(); ++taken) {
        if (continuesCharacter(part[taken])) continue;
        if (characters == maxCharacters_) {
          tooLong = true;
          break;
        }
        ++characters;
      }
      line_.append(part.substr(0, taken));
    }
    pending_.remove_prefix(part.size());
    if (pending_.empty()) continue;
    // A line end.
    if (pending_.front() == '\r') {
      if (pending_.size() > 1) {
        if (pending_[1] == '\n') pending_.remove_prefix(1);
      } else {
        skipLineFeed_ = true;
      }
    }
    pending_.remove_prefix(1);
    break;
  }
  if (!any) return false;
  line.number = ++lineNumber_;
  line.text = line_;
  line.tooLong = tooLong;
  return true;
}

}  // namespace numora
