// Marks an English text the window shows so that the translators' tools (lupdate) collect it,
// without tying the model to a user-interface library: the mark expands to the text itself.
// The window looks each shown text up in the user's language; a text with numbers in it is
// looked up by its pattern, every number written as %1, %2, ... in the order they appear, so
// such a text is put together from its marked pattern with fillPattern.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#define NUMORA_TRANSLATABLE(context, text) text

namespace numora {

// The pattern with %1, %2, ... replaced by the values in order; a placeholder without its value
// stays as it is.
std::string fillPattern(std::string_view pattern, const std::vector<std::string>& values);

}  // namespace numora
