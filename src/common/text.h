// Text helpers with the semantics the program's text handling relies on: 1-based positions,
// trimming of blanks and control characters, and integer reading that refuses anything but a
// plain optionally signed decimal number.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace numora {

// 1-based position of the first occurrence of needle in text, 0 when it does not occur.
std::size_t pos(std::string_view needle, std::string_view text);

// Strip characters up to and including the blank (blanks and control characters).
std::string_view trim(std::string_view text);
std::string_view trimLeft(std::string_view text);
std::string_view trimRight(std::string_view text);

// A plain decimal integer with an optional sign and no blanks; nothing for empty text, blanks,
// letters or a value outside 32 bits.
std::optional<int> parseStrictInt(std::string_view text);

// Lines of a text file, split at LF with a CR before it dropped; a final line end adds no line.
std::vector<std::string> splitLines(std::string_view text);
// Lines joined with CR LF after each line.
std::string joinLinesCrLf(const std::vector<std::string>& lines);

}  // namespace numora
