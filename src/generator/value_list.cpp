// Value lists: the ticks and weights of the number-choice dialog in a ".hlw" file of 70 lines.
#include <algorithm>
#include <cstdio>

#include "common/atomic_file.h"
#include "common/text.h"
#include "common/text_file.h"
#include "common/translatable.h"
#include "generator/value_list.h"
#include "generator/zahlenwahl.h"

namespace numora {
namespace {

constexpr int kHighestWeight = 1400;  // the candidate pool holds 1400 entries
// 70 short lines; a file this large is no value list.
constexpr std::uintmax_t kLargestValueList = 1u << 20;

FileDialogRequest valueListDialog(Platform& platform) {
  const CivilDate today = decodeDate(platform.today());
  char name[32];
  std::snprintf(name, sizeof name, "%04d%02d%02d.hlw", today.year, today.month, today.day);
  return FileDialogRequest{std::string(NUMORA_TRANSLATABLE("Numora", "Werteliste")) + "|*.hlw",
                           "hlw", name};
}

}  // namespace

std::string valueListWeight(std::string_view line) {
  const auto weight = parseStrictInt(trim(line));
  if (!weight) return "1";
  return std::to_string(std::clamp(*weight, 1, kHighestWeight));
}

void NumberChoiceModel::saveValueList(Platform& platform) {
  const auto path = platform.saveFileDialog(valueListDialog(platform));
  if (!path) return;
  std::vector<std::string> lines;
  for (int n = 1; n <= kNumbers; ++n) {
    if (!box(n).checked) {
      lines.emplace_back();
      continue;
    }
    if (box(n).weight.empty()) setWeight(n, "1");
    lines.push_back(box(n).weight);
  }
  writeValueListFile(*path, lines);
}

void NumberChoiceModel::loadValueList(Platform& platform) {
  const auto path = platform.openFileDialog(valueListDialog(platform));
  if (!path) return;
  const std::vector<std::string> lines = readValueListFile(*path);
  for (int n = 1; n <= kNumbers; ++n) {
    const std::string line =
        static_cast<std::size_t>(n) <= lines.size() ? lines[static_cast<std::size_t>(n - 1)] : "";
    if (line.empty()) {
      setChecked(n, false);
      setWeight(n, "1");
    } else {
      setChecked(n, true);
      setWeight(n, valueListWeight(line));
    }
  }
}

void writeValueListFile(const std::string& path, const std::vector<std::string>& lines) {
  // Written beside the file and renamed over it: a failed write keeps the old list whole.
  writeTextLines(path, lines);
}

std::vector<std::string> readValueListFile(const std::string& path) {
  return splitLines(readRegularFile(path, kLargestValueList));
}

}  // namespace numora
