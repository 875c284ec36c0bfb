#include "common/text_decoding.h"

#include <algorithm>
#include <cstdint>

namespace numora {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isHighSurrogate(char16_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char16_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The character as UTF-8 at the end of text; a code that is no character becomes U+FFFD.
void appendUtf8(std::string& text, char32_t c) {
  if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = kReplacement;
  if (c < 0x80) {
    text += static_cast<char>(c);
  } else if (c < 0x800) {
    text += static_cast<char>(0xC0 | (c >> 6));
    text += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    text += static_cast<char>(0xE0 | (c >> 12));
    text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    text += static_cast<char>(0xF0 | (c >> 18));
    text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

ByteOrderMark readByteOrderMark(std::string_view firstBytes) {
  if (firstBytes.starts_with("\xEF\xBB\xBF")) return {TextEncoding::Utf8, 3};
  if (firstBytes.starts_with("\xFF\xFE")) return {TextEncoding::Utf16LittleEndian, 2};
  if (firstBytes.starts_with("\xFE\xFF")) return {TextEncoding::Utf16BigEndian, 2};
  return {};
}

ByteOrderMark detectTextEncoding(std::string_view firstBytes) {
  const ByteOrderMark mark = readByteOrderMark(firstBytes);
  if (mark.length > 0) return mark;
  // Enough units to judge by, few enough to stay cheap on a large file.
  constexpr std::size_t kBytesJudged = 4096;
  const std::size_t judged = std::min(firstBytes.size(), kBytesJudged) & ~std::size_t{1};
  std::size_t zerosFirst = 0;   // the first byte of a unit: the high byte in big endian
  std::size_t zerosSecond = 0;  // the second: the high byte in little endian
  for (std::size_t i = 0; i < judged; i += 2) {
    if (firstBytes[i] == '\0') ++zerosFirst;
    if (firstBytes[i + 1] == '\0') ++zerosSecond;
  }
  // A quarter of the units with a zero high byte and few zeros on the other side: a UTF-8 file
  // with a stray zero byte is still read as UTF-8.
  const std::size_t units = judged / 2;
  const auto showsUtf16 = [units](std::size_t high, std::size_t low) {
    return high > 0 && high * 4 >= units && low * 4 <= high;
  };
  if (showsUtf16(zerosSecond, zerosFirst)) return {TextEncoding::Utf16LittleEndian, 0};
  if (showsUtf16(zerosFirst, zerosSecond)) return {TextEncoding::Utf16BigEndian, 0};
  return {};
}

void Utf16Decoder::take(char16_t unit, std::string& out) {
  if (highSurrogate_ != 0) {
    const char16_t high = highSurrogate_;
    highSurrogate_ = 0;
    if (isLowSurrogate(unit)) {
      appendUtf8(out, 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00));
      return;
    }
    appendUtf8(out, kReplacement);
  }
  if (isHighSurrogate(unit)) {
    highSurrogate_ = unit;
    return;
  }
  appendUtf8(out, isLowSurrogate(unit) ? kReplacement : unit);
}

void Utf16Decoder::decode(std::string_view bytes, std::string& out) {
  const auto unitOf = [this](unsigned char first, unsigned char second) {
    return static_cast<char16_t>(bigEndian_ ? (first << 8) | second : (second << 8) | first);
  };
  std::size_t i = 0;
  if (hasOddByte_ && !bytes.empty()) {
    hasOddByte_ = false;
    take(unitOf(oddByte_, static_cast<unsigned char>(bytes[0])), out);
    i = 1;
  }
  for (; i + 1 < bytes.size(); i += 2) {
    take(unitOf(static_cast<unsigned char>(bytes[i]), static_cast<unsigned char>(bytes[i + 1])),
         out);
  }
  if (i < bytes.size()) {
    hasOddByte_ = true;
    oddByte_ = static_cast<unsigned char>(bytes[i]);
  }
}

void Utf16Decoder::finish(std::string& out) {
  if (highSurrogate_ != 0) appendUtf8(out, kReplacement);
  if (hasOddByte_) appendUtf8(out, kReplacement);
  highSurrogate_ = 0;
  hasOddByte_ = false;
}

std::string decodeText(std::string_view bytes) {
  const auto mark = detectTextEncoding(bytes);
  bytes.remove_prefix(mark.length);
  if (mark.encoding == TextEncoding::Utf8) return std::string(bytes);
  Utf16Decoder decoder(mark.encoding == TextEncoding::Utf16BigEndian);
  std::string text;
  text.reserve(bytes.size() / 2);
  decoder.decode(bytes, text);
  decoder.finish(text);
  return text;
}

}  // namespace numora
