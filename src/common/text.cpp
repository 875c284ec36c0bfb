#include "common/text.h"

#include <cstdint>

namespace numora {
namespace {
bool isBlankOrControl(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}
}  // namespace

std::size_t pos(std::string_view needle, std::string_view text) {
  const auto at = text.find(needle);
  return at == std::string_view::npos ? 0 : at + 1;
}

std::string_view trimLeft(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && isBlankOrControl(text[start])) ++start;
  return text.substr(start);
}

std::string_view trimRight(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0 && isBlankOrControl(text[end - 1])) --end;
  return text.substr(0, end);
}

std::string_view trim(std::string_view text) {
  return trimRight(trimLeft(text));
}

std::optional<int> parseStrictInt(std::string_view text) {
  std::size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) i = 1;
  if (i == text.size()) return std::nullopt;
  // Leading zeros do not count towards the length limit.
  while (i + 1 < text.size() && text[i] == '0') ++i;
  if (text.size() - i > 10) return std::nullopt;
  long long value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (negative) value = -value;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<int>(value);
}

std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    const bool last = end == std::string_view::npos;
    if (last) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    start = last ? text.size() : end + 1;
  }
  return lines;
}

std::string joinLinesCrLf(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace numora
