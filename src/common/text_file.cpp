#include "common/text_file.h"

#include "common/atomic_file.h"
#include "common/text.h"

namespace numora {

void writeTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  writeFileAtomically(path, joinLinesCrLf(lines));
}

}  // namespace numora
