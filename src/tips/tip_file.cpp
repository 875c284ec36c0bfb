#include "tips/tip_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "common/text.h"
#include "tips/tip_list.h"

namespace numora {
namespace {

constexpr int kMostTips = 120;
// A tip list of 120 tips is a few kilobytes; anything this large is no tip file.
constexpr std::uintmax_t kLargestTextFile = 16u << 20;

void appendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// UTF-16 code units to UTF-8; a lone surrogate becomes U+FFFD, an odd last byte is dropped.
std::string utf16ToUtf8(std::string_view bytes, bool bigEndian) {
  std::string out;
  out.reserve(bytes.size() / 2);
  auto unit = [&](std::size_t i) -> char32_t {
    const auto a = static_cast<unsigned char>(bytes[i]);
    const auto b = static_cast<unsigned char>(bytes[i + 1]);
    return bigEndian ? (a << 8 | b) : (b << 8 | a);
  };
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    char32_t code = unit(i);
    if (code >= 0xD800 && code <= 0xDBFF && i + 3 < bytes.size()) {
      const char32_t low = unit(i + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      } else {
        code = 0xFFFD;
      }
    } else if (code >= 0xD800 && code <= 0xDFFF) {
      code = 0xFFFD;
    }
    appendUtf8(out, code);
  }
  return out;
}

std::runtime_error fileError(const std::string& what, const std::filesystem::path& path) {
  return std::runtime_error(what + " \"" + path.string() + "\": " + std::strerror(errno));
}

}  // namespace

std::vector<std::string> decodeTextLines(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return splitLines(bytes.substr(3));
  if (bytes.starts_with("\xFF\xFE")) return splitLines(utf16ToUtf8(bytes.substr(2), false));
  if (bytes.starts_with("\xFE\xFF")) return splitLines(utf16ToUtf8(bytes.substr(2), true));
  return splitLines(bytes);
}

std::vector<std::string> readTextLines(const std::filesystem::path& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  const auto status = fs::status(path, error);
  if (error) {
    throw std::runtime_error("Cannot open file \"" + path.string() + "\". " + error.message());
  }
  if (!fs::is_regular_file(status)) {
    throw std::runtime_error("Cannot open file \"" + path.string() + "\". It is no regular file.");
  }
  if (fs::file_size(path, error) > kLargestTextFile) {
    throw std::runtime_error("Cannot read file \"" + path.string() + "\". It is too large.");
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) throw fileError("Cannot open file", path);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) throw fileError("Read error in", path);
  return decodeTextLines(bytes.str());
}

void writeTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  const std::string text = joinLinesCrLf(lines);
  std::filesystem::path scratch = path;
  scratch += "~";
  std::FILE* out = std::fopen(scratch.c_str(), "wb");
  if (!out) throw fileError("Cannot create file", scratch);
  const bool written =
      std::fwrite(text.data(), 1, text.size(), out) == text.size() && std::fflush(out) == 0;
  const int writeErrno = errno;
  const bool closed = std::fclose(out) == 0;
  if (!written || !closed) {
    errno = written ? errno : writeErrno;
    const auto failure = fileError("Cannot write to", path);
    std::remove(scratch.c_str());
    throw failure;
  }
  std::error_code error;
  std::filesystem::rename(scratch, path, error);
  if (error) {
    std::remove(scratch.c_str());
    throw std::runtime_error("Cannot write to \"" + path.string() + "\": " + error.message());
  }
}

std::string proposedTipFileName(DayCount pickedDate) {
  const CivilDate next = decodeDate(dateOnly(pickedDate) + 1);
  char name[16];
  std::snprintf(name, sizeof name, "%04d%02d%02d.hlt", next.year, next.month, next.day);
  return name;
}

void saveTipFile(Form& form, Platform& platform) {
  const auto path = platform.saveFileDialog(
      {"Tipfile|*.hlt", "hlt", proposedTipFileName(form.DateTimePicker1.date())});
  if (!path) return;
  writeTextLines(*path, form.ListBox1.lines());
}

void loadTipFile(DrawContext context) {
  Form& form = context.form;
  if (const auto path = context.platform.openFileDialog({"Tipfile|*.hlt", "hlt", ""})) {
    try {
      // Read whole before the list is touched: a failure keeps the list the user had.
      auto lines = readTextLines(*path);
      const int total = static_cast<int>(std::clamp<std::size_t>(lines.size(), 1, kMostTips));
      deleteAllTips(form);
      form.ListBox1.setLines(std::move(lines));
      form.UpDown9.setPosition(total);
      form.Edit1.setText(std::to_string(total));
    } catch (const std::runtime_error& error) {
      context.platform.showMessage(error.what());
    }
  }
  showDrawByDate(context);
}

}  // namespace numora
