// The text the window shows for a text of the model, in the user's language. Most texts are
// found whole or by their numbers (viewText). A message that names a file, quotes a line or
// passes on a reason is put together from a marked pattern whose %1, %2, ... stand for any text;
// the window recognizes it by that pattern, shows the pattern's translation and fills in the
// parts, each of them translated in turn where it is a text of the model itself.
#pragma once

#include <QString>
#include <string>

#include "common/pattern_text.h"

namespace numora {

QString windowText(const std::string& text);
// A text the model keeps with its values is looked up by its pattern (viewText); one without
// values as above.
QString windowText(const PatternText& text);

}  // namespace numora
