#include "generator/lucky_number.h"

#include "common/text.h"
#include "common/translatable.h"

namespace numora {

namespace {
constexpr std::uint32_t kLargestLuckyNumber = 99999999;
}

int proposedLuckyNumber(const Random& random) {
  // The state read as a signed number is negative half the time; the box asks for 1..99999999.
  // A state in that range is proposed as it is, so the number repeats the tips when typed again.
  const auto state = static_cast<std::uint32_t>(random.seed());
  if (state >= 1 && state <= kLargestLuckyNumber) return static_cast<int>(state);
  return static_cast<int>(state % kLargestLuckyNumber + 1);
}

void askLuckyNumber(Form& form, Platform& platform) {
  const std::string proposal = std::to_string(proposedLuckyNumber(form.random));
  const std::string answer = platform.inputBox(
      NUMORA_TRANSLATABLE("Numora", "you lucky number (1-99999999)?"),
      NUMORA_TRANSLATABLE("Numora", "Enter your lucky number for the random one!"), proposal);
  // Cancel returns the proposal: the generator keeps its state.
  if (answer == proposal) return;
  const auto number = parseStrictInt(trim(answer));
  if (!number) return;
  form.random.setSeed(*number);
  form.StatusBar1.setPanel(1, fillPattern(NUMORA_TRANSLATABLE("Numora", "set lucky number %1"),
                                          {std::to_string(*number)}));
}

}  // namespace numora
