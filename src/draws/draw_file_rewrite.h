// Replacing a draw file's whole content without ever leaving it half written: the records go
// to a scratch file beside it (the draw file's name with "~" appended), are flushed to disk,
// and the scratch file then takes the draw file's place in one rename.
#pragma once

#include <filesystem>
#include <vector>

#include "draws/draw_file.h"

namespace numora {

// Throws DrawFileError when the scratch file cannot be written or renamed; the draw file is
// then as it was. The reader forgets its cached history.
void rewriteDrawFile(const std::filesystem::path& path, const std::vector<DrawRecord>& records,
                     DrawFileReader& reader);

}  // namespace numora
