// The fields of the main window that scripts print by name, and the few they set. This table
// is the one place that knows them: a feature that adds a field adds its row here.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "form/form.h"

namespace numora {

struct ScriptField {
  std::string_view name;
  // The printed value, already escaped.
  std::function<std::string(const Form&)> print;
  // Empty for fields that scripts only read; throws ScriptError for a malformed value.
  std::function<void(Form&, std::string_view)> set;
};

const std::vector<ScriptField>& scriptFields();
// Nothing for a name that is no field.
const ScriptField* findScriptField(std::string_view name);

}  // namespace numora
