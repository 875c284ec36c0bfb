// The update run: from the day after the picked date up to today (today only from 19:00), one
// request per calendar month, each due draw shown and appended at once; at the end the latest
// draw is shown and the tip list evaluated.
#pragma once

#include "draws/current_draw.h"
#include "import/http_client.h"

namespace numora {

enum class UpdateTrigger { Button, Activation };

// What survives from one run to the next within a program run.
struct UpdateRunState {
  // A failed request at activation is shown in a message box once; later activations only put
  // the error into the hint line, so an offline user is not stopped after every dialog.
  bool activationFailureShown = false;
  // Damaged records of the draw file are shown in a message box once at activation as well.
  bool damageShown = false;
};

struct UpdateContext {
  Form& form;
  Platform& platform;
  DrawFileReader& reader;
  HttpClient& http;
  UpdateRunState& state;
};

void runUpdate(UpdateContext context, UpdateTrigger trigger);

// "Stop reading": the running update ends after its current pass.
void requestUpdateStop(Form& form);

}  // namespace numora
