// The undo history of the tip list: every player action that replaces or clears the list (a
// calculation, a back-test, "Delete all", loading a tip file, editing a tip) keeps the list it
// replaced, and "Undo" brings the lists back one action at a time, the newest first. An action
// that left the list as it was keeps nothing; an action run inside another (the stop click of a
// running calculation) is part of the outer one.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "draws/draw_undo.h"
#include "form/form.h"
#include "form/platform.h"

namespace numora {

// The tip list and the total-tips setting that comes with it.
struct TipListState {
  std::vector<std::string> lines;
  int totalTips = 0;
  std::string totalText;

  static TipListState of(const Form& form);
  bool operator==(const TipListState&) const = default;
};

class TipListHistory {
 public:
  // The oldest lists go beyond this many steps.
  static constexpr std::size_t kSteps = 50;

  std::size_t steps() const { return states_.size(); }
  // Puts the list as it was before the newest action back and scores it against the current
  // draw; without a kept list the hint line says so and false is returned.
  bool undo(Form& form, Platform& platform);

 private:
  friend class TipListAction;
  std::deque<TipListState> states_;
  int open_ = 0;  // actions running, the outermost first
};

// One player action, from construction to destruction.
class TipListAction {
 public:
  TipListAction(TipListHistory& history, const Form& form);
  ~TipListAction();
  TipListAction(const TipListAction&) = delete;
  TipListAction& operator=(const TipListAction&) = delete;

 private:
  TipListHistory& history_;
  const Form& form_;
  bool outermost_;
  TipListState before_;
};

}  // namespace numora
