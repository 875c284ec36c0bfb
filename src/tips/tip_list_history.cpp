#include "tips/tip_list_history.h"

#include "draws/current_draw.h"
#include "evaluation/komplettcheck.h"

namespace numora {

TipListState TipListState::of(const Form& form) {
  return TipListState{form.ListBox1.lines(), form.UpDown9.position(), form.Edit1.text()};
}

bool TipListHistory::undo(Form& form, Platform& platform) {
  if (states_.empty()) {
    form.StatusBar1.setPanel(1, kNothingToUndo);
    return false;
  }
  TipListState state = std::move(states_.back());
  states_.pop_back();
  form.ListBox1.setLines(std::move(state.lines));
  form.UpDown9.setPosition(state.totalTips);
  form.Edit1.setText(state.totalText);
  // The hit list belongs to the list it scored.
  if (hasCurrentDraw(form)) {
    Komplettcheck(form, platform);
  } else {
    form.ListBox2.clear();
  }
  return true;
}

TipListAction::TipListAction(TipListHistory& history, const Form& form)
    : history_(history), form_(form), outermost_(history.open_ == 0) {
  ++history_.open_;
  if (outermost_) before_ = TipListState::of(form);
}

TipListAction::~TipListAction() {
  --history_.open_;
  // Kept however the action ended: a calculation that failed half-way changed the list too.
  if (!outermost_ || TipListState::of(form_).lines == before_.lines) return;
  history_.states_.push_back(std::move(before_));
  if (history_.states_.size() > TipListHistory::kSteps) history_.states_.pop_front();
}

}  // namespace numora
