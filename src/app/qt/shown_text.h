// The text the window shows for a text of the model, in the user's language. Most texts are
// found whole or by their numbers (viewText). A message that names a file, quotes a line or
// passes on a reason is put together from a marked pattern whose %1, %2, ... stand for any text;
// the window recognizes it by that pattern, shows the pattern's translation and fills in the
// parts, each of them translated in turn where it is a text of the model itself.
#pragma once

#include <QString>
#include <string>

namespace numora {

QString shownText(const std::string& text);

}  // namespace numora
