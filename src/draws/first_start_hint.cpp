#include "draws/first_start_hint.h"

#include "common/translatable.h"

#include "draws/lottery.h"

namespace numora {

std::string firstStartHint(int lotteryIndex) {
  // A whole sentence for each lottery: the window shows it in the user's language.
  if (lotteryIndex == kKenoAtlantic) {
    return NUMORA_TRANSLATABLE("Numora",
                               "No draws of Keno Atlantic yet: import a file on the \"Database\" "
                               "tab, or enter the results site on the \"Internet-Options\" tab "
                               "and update.");
  }
  return NUMORA_TRANSLATABLE("Numora",
                             "No draws of Daily Keno yet: import a file on the \"Database\" tab, "
                             "or enter the results site on the \"Internet-Options\" tab and "
                             "update.");
}

void showFirstStartHint(Form& form, bool noDraws) {
  if (!noDraws) {
    form.Chart1.setHint("");
    return;
  }
  const std::string hint = firstStartHint(form.lotteryIndex());
  form.Label29.setCaption(hint);
  form.Label35.setCaption(hint);
  form.Chart1.setHint(hint);
}

}  // namespace numora
