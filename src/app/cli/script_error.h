// A script line that cannot run: an unknown command or name, or a value of the wrong form.
// The runner reports it as "error: ..." and stops the script.
#pragma once

#include <stdexcept>

namespace numora {

class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace numora
