// Long work running beside the window: its place in the long-work guard, its stop, and the tip
// list action that makes one undo step of what it does to the list. It lives from the click
// that starts the work to the moment its result has been applied.
#pragma once

#include <atomic>
#include <memory>
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
  // The run budget a calculation beside the window reads at every candidate: changed in the
  // window, it applies from the next candidate on.
  std::shared_ptr<std::atomic<int>> runBudget = std::make_shared<std::atomic<int>>(0);
};

}  // namespace numora
