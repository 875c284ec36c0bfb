#include "draws/draw_rewrite.h"

#include <string>

#include "common/atomic_file.h"

namespace numora {

void rewriteDrawFile(const std::filesystem::path& drawFile, const std::filesystem::path& scratch,
                     const std::vector<DrawRecord>& records, DrawFileReader& reader,
                     std::string_view tail) {
  std::string bytes;
  bytes.reserve(records.size() * DrawRecord::kSize + tail.size());
  for (const DrawRecord& record : records) {
    const auto encoded = record.encode();
    bytes.append(encoded.begin(), encoded.end());
  }
  bytes.append(tail);
  refuseReadOnlyDrawFile(drawFile);
  try {
    replaceFileAtomically(drawFile, scratch, bytes);
  } catch (const FileAccessError& error) {
    reader.invalidate();
    throw DrawFileError(error.what());
  }
  reader.invalidate();
}

}  // namespace numora
