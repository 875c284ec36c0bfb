#include "generator/lucky_number.h"

#include "common/text.h"

namespace numora {

void askLuckyNumber(Form& form, Platform& platform) {
  const std::string answer = platform.inputBox("you lucky number (1-99999999)?",
                                               "Enter your lucky number for the random one!",
                                               std::to_string(form.random.seed()));
  const auto number = parseStrictInt(trim(answer));
  if (!number) return;
  form.random.setSeed(*number);
  form.StatusBar1.setPanel(1, "set lucky number " + std::to_string(*number));
}

}  // namespace numora
