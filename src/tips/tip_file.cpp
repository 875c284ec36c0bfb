#include "tips/tip_file.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "common/atomic_file.h"
#include "common/text.h"
#include "common/text_file.h"
#include "common/translatable.h"
#include "tips/tip_file_encoding.h"
#include "tips/tip_list.h"

namespace numora {
namespace {

constexpr int kMostTips = 120;
// A tip list of 120 tips is a few kilobytes; anything this large is no tip file.
constexpr std::uintmax_t kLargestTextFile = 16u << 20;

std::string tipFileFilter() {
  return std::string(NUMORA_TRANSLATABLE("Numora", "Tipfile")) + "|*.hlt";
}

}  // namespace

std::vector<std::string> decodeTextLines(std::string_view bytes) {
  return splitLines(decodeTipFileText(bytes));
}

std::vector<std::string> readTextLines(const std::filesystem::path& path) {
  return decodeTextLines(readRegularFile(path, kLargestTextFile));
}

std::string proposedTipFileName(DayCount pickedDate) {
  const CivilDate next = decodeDate(dateOnly(pickedDate) + 1);
  char name[16];
  std::snprintf(name, sizeof name, "%04d%02d%02d.hlt", next.year, next.month, next.day);
  return name;
}

void saveTipFile(Form& form, Platform& platform) {
  const auto path = platform.saveFileDialog(
      {tipFileFilter(), "hlt", proposedTipFileName(form.DateTimePicker1.date())});
  if (!path) return;
  writeTextLines(*path, form.ListBox1.lines());
}

void loadTipFile(DrawContext context) {
  Form& form = context.form;
  if (const auto path = context.platform.openFileDialog({tipFileFilter(), "hlt", ""})) {
    try {
      // Read whole before the list is touched: a failure keeps the list the user had.
      auto lines = readTextLines(*path);
      const int total = static_cast<int>(std::clamp<std::size_t>(lines.size(), 1, kMostTips));
      deleteAllTips(form);
      form.ListBox1.setLines(std::move(lines));
      form.UpDown9.setPosition(total);
      form.Edit1.setText(std::to_string(total));
    } catch (const std::runtime_error& error) {
      context.platform.showMessage(error.what());
    }
  }
  showDrawByDate(context);
}

}  // namespace numora
