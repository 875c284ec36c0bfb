// Tip text from outside: a tip file or tipps.txt in any of the encodings the readers honour, its
// lines as the tip list, each scored as the full check and a typed tip are, and opened in the
// number-choice dialog for editing. A tip the program writes holds only numbers 1..70.
#include <cstdint>
#include <string>
#include <vector>

#include "common/text.h"
#include "evaluation/komplettcheck.h"
#include "evaluation/tip_text.h"
#include "evaluation/zettelcheck.h"
#include "form/scripted_platform.h"
#include "fuzz/fuzz_support.h"
#include "generator/zahlenwahl.h"
#include "tips/tip_editing.h"
#include "tips/tip_file.h"
#include "tips/tip_file_encoding.h"

namespace {

using namespace numora;
using fuzz::require;

constexpr std::size_t kLinesEdited = 4;

// Valid UTF-8 (what the UTF-16 readers must always give).
bool isUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<std::uint8_t>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (lead >= 0x80 && lead < 0xC2) return false;
    if (lead > 0xF4 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<std::uint8_t>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return true;
}

// "01,05,33": distinct numbers 1..70, rising, two digits each, at most numbersPerTip of them.
bool isWrittenTip(std::string_view text, int numbersPerTip) {
  if (text.empty()) return true;
  if (text.size() % 3 != 2) return false;
  int last = 0;
  int count = 0;
  for (std::size_t i = 0; i < text.size(); i += 3) {
    if (i + 2 < text.size() && text[i + 2] != ',') return false;
    const auto number = parseStrictInt(text.substr(i, 2));
    if (!number || *number <= last || *number > 70) return false;
    last = *number;
    ++count;
  }
  return count <= numbersPerTip;
}

void checkReading(std::string_view line) {
  for (const int numbersPerTip : {0, 2, 10, 26, 40}) {
    const TipNumbers tip = readTipNumbers(line, numbersPerTip);
    require(tip.count >= 0 && tip.count <= std::min(std::max(numbersPerTip, 0), TipNumbers::kSlots),
            "a tip read more numbers than it may compare");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = fuzz::asText(data, size);
  const std::string text = decodeTipFileText(bytes);
  const bool utf16 = bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
  if (utf16) require(isUtf8(text), "a UTF-16 tip file decoded to text that is no UTF-8");
  const std::vector<std::string> lines = decodeTextLines(bytes);
  require(lines == splitLines(text), "a tip file and tipps.txt read the same bytes differently");

  Form form;
  ScriptedPlatform platform;
  platform.fixClock(fuzz::fuzzNow());
  NumberChoiceModel dialog;
  form.sortieren = true;
  const int numbersPerTip = 2 + static_cast<int>(size % 9);
  form.UpDown18.setPosition(numbersPerTip);
  for (int i = 1; i <= 20; ++i) form.Zahl[static_cast<std::size_t>(i)] = 3 * i;
  form.ListBox1.setLines(lines);

  for (const auto& line : lines) {
    checkReading(line);
    Zettelcheck(form, line);
    require(form.Gewinn <= numbersPerTip, "a typed tip scored more hits than it has numbers");
  }
  Komplettcheck(form, platform);
  require(form.ListBox2.count() == form.ListBox1.count(), "the hit list does not match the tips");
  for (std::size_t i = 0; i < form.ListBox2.count(); ++i) {
    const auto hits = parseStrictInt(form.ListBox2.line(i));
    require(hits && *hits >= 0 && *hits <= numbersPerTip, "a tip scored impossible hits");
  }

  // Without scoring, the full check after the dialog keeps an emptied line in its place.
  form.sortieren = false;
  for (std::size_t i = 0; i < form.ListBox1.count() && i < kLinesEdited; ++i) {
    form.ListBox1.setItemIndex(static_cast<int>(i));
    platform.queueChoice({ModalResult::Ok, {}});
    editSelectedTip(form, platform, dialog);
    require(isWrittenTip(form.ListBox1.line(i), numbersPerTip),
            "an edited tip holds other than distinct numbers 1..70");
  }
  return 0;
}
