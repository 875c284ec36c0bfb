#include "app/settings_file_format.h"

#include <cctype>
#include <cstdint>
#include <optional>
#include <vector>

#include "common/text_decoding.h"

namespace numora {
namespace {

constexpr const char* kHexDigits = "0123456789abcdef";
constexpr const char* kKeyHexDigits = "0123456789ABCDEF";

bool isHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return c - 'A' + 10;
}

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Keys keep letters, digits, "_", "-" and "."; "\" stands for "/" and "%XX" or "%UXXXX" for a
// character.
std::string unescapedKey(std::string_view key) {
  std::string result;
  for (std::size_t i = 0; i < key.size(); ++i) {
    const char c = key[i];
    if (c == '\\') {
      result += '/';
      continue;
    }
    const bool wide = c == '%' && i + 1 < key.size() && key[i + 1] == 'U';
    const std::size_t digits = wide ? 4 : 2;
    const std::size_t start = i + (wide ? 2 : 1);
    if (c == '%' && start + digits <= key.size()) {
      std::uint32_t code = 0;
      bool valid = true;
      for (std::size_t d = start; d < start + digits; ++d) {
        valid = valid && isHexDigit(key[d]);
        if (valid) code = code * 16 + static_cast<std::uint32_t>(hexValue(key[d]));
      }
      if (valid) {
        appendUtf8(result, static_cast<char32_t>(code));
        i = start + digits - 1;
        continue;
      }
    }
    result += c;
  }
  return result;
}

std::string escapedKey(std::string_view key) {
  std::string result;
  for (const char c : key) {
    const auto byte = static_cast<unsigned char>(c);
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '_' || c == '-' || c == '.' || byte >= 0x80;
    if (c == '/') {
      result += '\\';
    } else if (plain) {
      result += c;
    } else {
      result += '%';
      result += kKeyHexDigits[byte / 16];
      result += kKeyHexDigits[byte % 16];
    }
  }
  return result;
}

// One escape after a backslash at text[i]; returns the index after it.
std::size_t takeEscape(std::string_view text, std::size_t i, std::string& out) {
  if (i + 1 >= text.size()) return i + 1;
  const char c = text[i + 1];
  std::size_t next = i + 2;
  switch (c) {
    case 'a':
      out += '\a';
      break;
    case 'b':
      out += '\b';
      break;
    case 'f':
      out += '\f';
      break;
    case 'n':
      out += '\n';
      break;
    case 'r':
      out += '\r';
      break;
    case 't':
      out += '\t';
      break;
    case 'v':
      out += '\v';
      break;
    case 'x': {
      std::uint32_t code = 0;
      while (next < text.size() && isHexDigit(text[next]) && code <= 0x10FFFF) {
        code = code * 16 + static_cast<std::uint32_t>(hexValue(text[next++]));
      }
      appendUtf8(out, static_cast<char32_t>(code));
      break;
    }
    default:
      if (c >= '0' && c <= '7') {
        std::uint32_t code = 0;
        next = i + 1;
        while (next < text.size() && text[next] >= '0' && text[next] <= '7' && code <= 0x10FFFF) {
          code = code * 8 + static_cast<std::uint32_t>(text[next++] - '0');
        }
        appendUtf8(out, static_cast<char32_t>(code));
      } else {
        out += c;  // \" \\ \' \? and any other character stand for themselves
      }
  }
  return next;
}

// A value: quoted parts kept as they are, unquoted ones without their outer blanks, escapes
// decoded, ";" outside quotes starting a comment. A "," outside quotes makes a list: no text.
std::optional<std::string> unescapedValue(std::string_view text) {
  std::string result;
  std::size_t kept = 0;  // the part of result that trailing blanks may not be cut from
  bool quoted = false;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '"') {
      quoted = !quoted;
      kept = result.size();
      ++i;
    } else if (c == '\\') {
      i = takeEscape(text, i, result);
      kept = result.size();
    } else if (!quoted && c == ';') {
      break;
    } else if (!quoted && c == ',') {
      return std::nullopt;
    } else {
      result += c;
      if (quoted) kept = result.size();
      ++i;
    }
  }
  while (result.size() > kept && (result.back() == ' ' || result.back() == '\t')) {
    result.pop_back();
  }
  return result;
}

std::string escapedValue(std::string_view value) {
  std::string result;
  bool needsQuotes = false;
  bool escapeNextIfDigit = false;  // "\x" reads every hex digit that follows it
  for (const char c : value) {
    if (c == ';' || c == ',' || c == '=') needsQuotes = true;
    const auto byte = static_cast<unsigned char>(c);
    if (escapeNextIfDigit && isHexDigit(c)) {
      result += "\\x";
      result += kHexDigits[byte / 16];
      result += kHexDigits[byte % 16];
      continue;
    }
    escapeNextIfDigit = false;
    switch (c) {
      case '\a':
        result += "\\a";
        break;
      case '\b':
        result += "\\b";
        break;
      case '\f':
        result += "\\f";
        break;
      case '\n':
        result += "\\n";
        break;
      case '\r':
        result += "\\r";
        break;
      case '\t':
        result += "\\t";
        break;
      case '\v':
        result += "\\v";
        break;
      case '"':
      case '\\':
        result += '\\';
        result += c;
        break;
      default:
        if (byte <= 0x1F) {
          result += "\\x";
          if (byte >= 16) result += kHexDigits[byte / 16];
          result += kHexDigits[byte % 16];
          escapeNextIfDigit = true;
        } else {
          result += c;
        }
    }
  }
  if (needsQuotes || (!result.empty() && (result.front() == ' ' || result.back() == ' '))) {
    result = '"' + result + '"';
  }
  return result;
}

std::vector<std::string_view> lines(std::string_view text) {
  std::vector<std::string_view> result;
  std::size_t start = 0;
  while (start < text.size()) {
    const auto end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      result.push_back(text.substr(start));
      break;
    }
    result.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return result;
}

bool isGeneral(std::string_view section) {
  if (section.size() != 7) return false;
  for (std::size_t i = 0; i < 7; ++i) {
    if (std::tolower(static_cast<unsigned char>(section[i])) != "general"[i]) return false;
  }
  return true;
}

}  // namespace

SettingsValues parseSettingsText(std::string_view text) {
  SettingsValues values;
  std::string section;
  for (const std::string_view rawLine : lines(text)) {
    const std::string_view line = trimmed(rawLine);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const std::string_view name = line.substr(1, line.find(']') - 1);
      // "[General]" holds the keys of one part; a section named so is written "[%General]".
      if (isGeneral(name)) {
        section.clear();
      } else {
        section = name == "%General" ? "General" : unescapedKey(name);
      }
      continue;
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string key = unescapedKey(trimmed(line.substr(0, equals)));
    if (key.empty()) continue;
    if (auto value = unescapedValue(trimmed(line.substr(equals + 1)))) {
      values[section.empty() ? key : section + "/" + key] = std::move(*value);
    }
  }
  return values;
}

std::string settingsText(const SettingsValues& values) {
  std::map<std::string, std::string> sections;  // section name as written, its lines
  for (const auto& [key, value] : values) {
    const auto slash = key.find('/');
    std::string section = "General";
    std::string name = key;
    if (slash != std::string::npos) {
      section = key.substr(0, slash);
      name = key.substr(slash + 1);
      section = isGeneral(section) ? "%" + section : escapedKey(section);
    }
    sections[section] += escapedKey(name) + "=" + escapedValue(value) + "\n";
  }
  std::string text;
  const auto general = sections.find("General");
  if (general != sections.end()) text += "[General]\n" + general->second;
  for (const auto& [section, body] : sections) {
    if (section == "General") continue;
    if (!text.empty()) text += "\n";
    text += "[" + section + "]\n" + body;
  }
  return text;
}

}  // namespace numora
