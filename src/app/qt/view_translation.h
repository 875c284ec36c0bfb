// The window in the user's language: the model keeps its English texts, and the view looks each
// text up in the installed translation when it shows it. A text with numbers in it is looked up
// by its pattern (every number written %1, %2, ... in order), so "3. ticket" finds "%1. ticket"
// and keeps its number. Without a translation every text shows as the model has it.
#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace numora {

// The context under which the model marks its texts for the translators' tools.
inline constexpr char kModelTextContext[] = "Numora";

QString viewText(const std::string& text);
QStringList viewTexts(const std::vector<std::string>& texts);

}  // namespace numora
