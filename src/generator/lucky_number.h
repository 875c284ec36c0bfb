// The lucky number: the user seeds the random generator, so a calculation can be repeated tip
// for tip.
#pragma once

#include "form/form.h"
#include "form/platform.h"

namespace numora {

// Asks for the lucky number with the generator's state as the preset; a whole number (blanks
// around it allowed) becomes the state and is reported in the status line, anything else
// changes nothing.
void askLuckyNumber(Form& form, Platform& platform);

}  // namespace numora
