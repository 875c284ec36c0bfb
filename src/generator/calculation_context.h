// What a tip calculation works on: the form, the platform, the draw file reader and the
// number-choice dialog that the edit-list option shows.
#pragma once

#include "draws/current_draw.h"
#include "generator/zahlenwahl.h"

namespace numora {

struct CalculationContext {
  Form& form;
  Platform& platform;
  DrawFileReader& reader;
  NumberChoiceModel& dialog;
  // A calculation the player started explains a short outcome; one inside a back-test does not.
  bool explainsShortfall = true;

  DrawContext draws() const { return DrawContext{form, platform, reader}; }
};

}  // namespace numora
