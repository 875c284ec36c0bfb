// Rewriting a draw file whole without ever putting the history at risk: the new records go to a
// scratch file beside it, which is flushed to the disk and then renamed over the draw file in
// one step. The draw file is never deleted first; a failure anywhere leaves it as it was.
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "draws/draw_file.h"

namespace numora {

// Throws DrawFileError with the error text; the scratch file is gone afterwards either way.
// tail: bytes after the last record, as a torn record the file held before (the undo of a
// delete puts them back).
void rewriteDrawFile(const std::filesystem::path& drawFile, const std::filesystem::path& scratch,
                     const std::vector<DrawRecord>& records, DrawFileReader& reader,
                     std::string_view tail = {});

}  // namespace numora
