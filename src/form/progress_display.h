// The progress bar of a long operation: shown with its first text when the operation starts,
// moved on as it goes, and hidden when it ends, however it ends.
#pragma once

#include <string>

#include "form/controls.h"

namespace numora {

class ProgressDisplay {
 public:
  ProgressDisplay(ProgressBar& bar, int maximum, PatternText text) : bar_(bar), maximum_(maximum) {
    bar_.setProgress(0, maximum_);
    bar_.setCaption(std::move(text));
    bar_.setVisible(true);
  }
  ~ProgressDisplay() { bar_.setVisible(false); }
  ProgressDisplay(const ProgressDisplay&) = delete;
  ProgressDisplay& operator=(const ProgressDisplay&) = delete;

  // Shows the bar again too: work nested inside (a calculation of a back-test) hides it when it
  // ends.
  void show(int position, PatternText text) {
    bar_.setVisible(true);
    bar_.setProgress(position, maximum_);
    bar_.setCaption(std::move(text));
  }

 private:
  ProgressBar& bar_;
  int maximum_;
};

}  // namespace numora
