#include "evaluation/komplettcheck.h"

#include <algorithm>
#include <string>

#include "common/text.h"
#include "common/translatable.h"
#include "evaluation/zettelcheck.h"

namespace numora {
namespace {
constexpr int kSoundFromHits = 3;
}

int Komplettcheck(Form& form, Platform& platform) {
  form.Statistik.fill(0);
  if (!form.sortieren) return 0;

  form.ListBox2.clear();
  // Blank lines leave the tip list, with or without a draw to score against.
  for (std::size_t line = form.ListBox1.count(); line-- > 0;) {
    if (trim(form.ListBox1.line(line)).empty()) form.ListBox1.erase(line);
  }
  // Twenty zeros are no draw: without a current draw nothing is scored, so nothing is priced.
  const bool noDraw =
      std::all_of(form.Zahl.begin() + 1, form.Zahl.end(), [](int number) { return number == 0; });
  if (noDraw) {
    form.StatusBar1.setPanel(0, "");
    return 0;
  }
  const DrawMatcher matcher(drawNumbersOf(form.Zahl));
  const int numbersPerTip = form.numbersPerTip();
  int best = 0;
  std::size_t line = 0;
  while (line < form.ListBox1.count()) {
    if (trim(form.ListBox1.line(line)).empty()) {
      form.ListBox1.erase(line);
      continue;
    }
    // Zettelcheck's reading and counting, with the draw looked up once for the whole list.
    const int hits = matcher.hits(readTipNumbers(form.ListBox1.line(line), numbersPerTip));
    form.Gewinn = static_cast<std::uint8_t>(hits);
    if (hits >= kSoundFromHits) platform.playSound(form.SoundName);
    if (hits > best) best = hits;
    // A damaged draw (one number stored several times) can score past the tally's range.
    if (hits < static_cast<int>(form.Statistik.size())) ++form.Statistik[hits];
    form.ListBox2.add(std::to_string(hits));
    ++line;
  }

  form.StatusBar1.setPanel(0, best > 0 ? fillPattern(NUMORA_TRANSLATABLE("Numora", "Max Win:  %1x"),
                                                     {std::to_string(best)})
                                       : "");
  return best;
}

}  // namespace numora
