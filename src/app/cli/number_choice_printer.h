// What "print TForm6..." shows of the number-choice dialog, which is no control of the main
// window's registry:
//   print TForm6            "TForm6[N]: T W" for N = 1..70 (T 1 ticked or 0, W the weight text),
//                           then "TForm6.caption: TEXT"
//   print TForm6[N]         one box
//   print TForm6.PROPERTY   caption, tipLimit, nextPickSlot, timer, BitBtn1..BitBtn4 (their
//   caption),
//                           BitBtnN.caption, BitBtnN.visible
#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "app/number_choice_form.h"

namespace numora {

inline constexpr std::string_view kNumberChoiceName = "TForm6";

void printNumberChoice(std::ostream& out, const TForm6& dialog);

// Nothing when the dialog has no such property.
std::optional<std::string> numberChoiceProperty(const TForm6& dialog, std::string_view property);

// The value of "TForm6[N]"; throws ScriptError for a number outside 1..70.
std::string numberChoiceBox(const TForm6& dialog, std::size_t number);

}  // namespace numora
