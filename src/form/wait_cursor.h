// The wait cursor for as long as a long operation runs, put back however it ends.
#pragma once

#include "form/platform.h"

namespace numora {

class WaitCursor {
 public:
  explicit WaitCursor(Platform& platform) : platform_(platform) { platform_.setWaitCursor(true); }
  ~WaitCursor() { platform_.setWaitCursor(false); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  Platform& platform_;
};

}  // namespace numora
