#include "evaluation/zettelcheck.h"

#include <algorithm>

namespace numora {

DrawNumbers drawNumbersOf(const std::array<int, 21>& zahl) {
  return DrawNumbers(zahl.data() + 1, 20);
}

int countHits(const TipNumbers& tip, DrawNumbers draw) {
  int hits = 0;
  for (int i = 0; i < tip.count; ++i) {
    hits += static_cast<int>(
        std::count(draw.begin(), draw.end(), tip.values[static_cast<std::size_t>(i)]));
  }
  return hits;
}

int tipHits(const Form& form, std::string_view tipText) {
  return countHits(readTipNumbers(tipText, form.numbersPerTip()), drawNumbersOf(form.Zahl));
}

void Zettelcheck(Form& form, std::string_view tipText) {
  form.Gewinn = static_cast<std::uint8_t>(tipHits(form, tipText));
}

NumberSet drawSet(DrawNumbers draw) {
  NumberSet set;
  for (const int number : draw) set.add(number);
  return set;
}

DrawMatcher::DrawMatcher(DrawNumbers draw) : set_(drawSet(draw)), distinct_(set_.size() == 20) {
  std::copy(draw.begin(), draw.end(), numbers_.begin());
}

int DrawMatcher::hits(const TipNumbers& tip) const {
  if (!distinct_) return countHits(tip, numbers_);
  int hits = 0;
  for (int i = 0; i < tip.count; ++i)
    hits += set_.contains(tip.values[static_cast<std::size_t>(i)]);
  return hits;
}

}  // namespace numora
