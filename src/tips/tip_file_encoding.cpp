#include "tips/tip_file_encoding.h"

#include "common/text_decoding.h"

namespace numora {

std::string decodeTipFileText(std::string_view bytes) {
  return decodeText(bytes);
}

}  // namespace numora
