#include "evaluation/zettelcheck.h"

namespace numora {

int countHits(const TipNumbers& tip, const std::array<int, 21>& zahl) {
  int hits = 0;
  for (int i = 0; i < tip.count; ++i) {
    const int number = tip.values[static_cast<std::size_t>(i)];
    for (int k = 1; k <= 20; ++k) {
      if (zahl[static_cast<std::size_t>(k)] == number) ++hits;
    }
  }
  return hits;
}

void Zettelcheck(Form& form, std::string_view tipText) {
  const TipNumbers tip = readTipNumbers(tipText, form.numbersPerTip());
  form.Gewinn = static_cast<std::uint8_t>(countHits(tip, form.Zahl));
}

NumberSet drawSet(const std::array<int, 21>& zahl) {
  NumberSet set;
  for (int k = 1; k <= 20; ++k) set.add(zahl[static_cast<std::size_t>(k)]);
  return set;
}

DrawMatcher::DrawMatcher(const std::array<int, 21>& zahl)
    : zahl_(zahl), set_(drawSet(zahl)), distinct_(set_.size() == 20) {}

int DrawMatcher::hits(const TipNumbers& tip) const {
  if (!distinct_) return countHits(tip, zahl_);
  int hits = 0;
  for (int i = 0; i < tip.count; ++i)
    hits += set_.contains(tip.values[static_cast<std::size_t>(i)]);
  return hits;
}

}  // namespace numora
