// Text as the program reads it from files other programs wrote: UTF-8, with a byte-order mark
// honoured when the text starts with one (UTF-8, UTF-16 little or big endian). Editors and
// spreadsheet programs ("Unicode text") write such marks; UTF-16 without one is told by its
// zero bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace numora {

enum class TextEncoding { Utf8, Utf16LittleEndian, Utf16BigEndian };

struct ByteOrderMark {
  TextEncoding encoding = TextEncoding::Utf8;
  std::size_t length = 0;  // bytes of the mark, 0 without one
};

// The encoding the first bytes of a text announce; UTF-8 without a mark.
ByteOrderMark readByteOrderMark(std::string_view firstBytes);

// The encoding of a text from its first bytes: the byte-order mark when there is one; without a
// mark UTF-16 when zero bytes show it (text in UTF-16 has a zero byte in every unit of a Latin
// character, and UTF-8 text has none), otherwise UTF-8.
ByteOrderMark detectTextEncoding(std::string_view firstBytes);

// UTF-16 to UTF-8 a chunk at a time: a unit or surrogate pair split between two chunks is
// completed by the next one. A unit that is no character (a lone surrogate, an odd last byte)
// becomes U+FFFD.
class Utf16Decoder {
 public:
  explicit Utf16Decoder(bool bigEndian) : bigEndian_(bigEndian) {}
  // Appends the characters the bytes complete to out.
  void decode(std::string_view bytes, std::string& out);
  // Appends what an incomplete end of the text leaves (U+FFFD), once all bytes are decoded.
  void finish(std::string& out);

 private:
  void take(char16_t unit, std::string& out);

  bool bigEndian_;
  bool hasOddByte_ = false;
  unsigned char oddByte_ = 0;
  char16_t highSurrogate_ = 0;  // waiting for its low half
};

// The whole text as UTF-8 without a byte-order mark, in the encoding detectTextEncoding finds.
std::string decodeText(std::string_view bytes);

}  // namespace numora
