// The lucky number: the user seeds the random generator, so a calculation can be repeated tip
// for tip.
#pragma once

#include "form/form.h"
#include "form/platform.h"

namespace numora {

// The number the box proposes: one in its own range 1..99999999 taken from the generator's state.
int proposedLuckyNumber(const Random& random);

// Asks for the lucky number with a proposal in its range as the preset; a whole number (blanks
// around it allowed) becomes the state and is reported in the status line. Cancel, the untouched
// proposal or anything that is no number changes nothing.
void askLuckyNumber(Form& form, Platform& platform);

}  // namespace numora
