// The text of a tip file as the program reads it: UTF-8, with a byte-order mark honoured when
// the file starts with one (UTF-8, UTF-16 little or big endian), as editors write tip files.
#pragma once

#include <string>
#include <string_view>

namespace numora {

// The file's bytes as UTF-8 text without a byte-order mark. Bytes without a mark are taken as
// they are; a UTF-16 unit that is no character (a lone surrogate, an odd last byte) becomes
// U+FFFD.
std::string decodeTipFileText(std::string_view bytes);

}  // namespace numora
