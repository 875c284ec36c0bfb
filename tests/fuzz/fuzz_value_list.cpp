// A value list file (".hlw") of any bytes, loaded into the number-choice dialog as its load
// button does. Number n is ticked exactly when line n holds text, and every weight is a whole
// number the candidate pool can hold.
#include <cstdint>
#include <string>
#include <vector>

#include "common/text.h"
#include "form/scripted_platform.h"
#include "fuzz/fuzz_support.h"
#include "generator/value_list.h"
#include "generator/zahlenwahl.h"

namespace {

using namespace numora;
using fuzz::require;

constexpr int kHighestWeight = 1400;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = fuzz::asText(data, size);
  const auto path = fuzz::scratchFolder() / "list.hlw";
  fuzz::writeFile(path, bytes);
  const std::vector<std::string> lines = splitLines(bytes);

  ScriptedPlatform platform;
  platform.fixClock(fuzz::fuzzNow());
  platform.queueFile(path.string());
  NumberChoiceModel dialog;
  dialog.loadValueList(platform);

  for (int n = 1; n <= NumberChoiceModel::kNumbers; ++n) {
    const auto index = static_cast<std::size_t>(n - 1);
    const bool hasText = index < lines.size() && !lines[index].empty();
    require(dialog.box(n).checked == hasText, "a number ticked other than its line says");
    const auto weight = parseStrictInt(dialog.box(n).weight);
    require(weight && *weight >= 1 && *weight <= kHighestWeight, "a weight the pool cannot hold");
    require(std::to_string(*weight) == dialog.box(n).weight, "a weight that is no plain number");
  }
  return 0;
}
