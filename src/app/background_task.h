// Long work running beside the window: its place in the long-work guard, its stop, and the tip
// list action that makes one undo step of what it does to the list. It lives from the click
// that starts the work to the moment its result has been applied.
#pragma once

#include <stop_token>

#include "app/long_work_guard.h"
#include "tips/tip_list_history.h"

namespace numora {

struct BackgroundTask {
  BackgroundTask(LongWorkGuard& guard, LongWork work, TipListHistory& history, const Form& form)
      : run(guard, work), tipAction(history, form) {}

  // Destroyed last: the guard lets handlers through again once the undo step is recorded.
  LongWorkGuard::Run run;
  TipListAction tipAction;
  std::stop_source stop;
};

}  // namespace numora
