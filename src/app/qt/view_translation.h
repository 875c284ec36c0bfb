// The window in the user's language: the model keeps its English texts, and the view looks each
// text up in the installed translation when it shows it. A text with numbers in it is looked up
// by its pattern (every number written %1, %2, ... in order), so "3. ticket" finds "%1. ticket"
// and keeps its number. Without a translation every text shows as the model has it.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "common/pattern_text.h"

namespace numora {

// The context under which the model marks its texts for the translators' tools.
inline constexpr char kModelTextContext[] = "Numora";

QString viewText(const std::string& text);
inline QString viewText(const char* text) {
  return viewText(std::string(text));
}
// A text the model keeps with its values: each line's pattern looked up in the user's language
// and its numbers written by the user's locale (grouping and decimal separator).
QString viewText(const PatternText& text);
// The user's thousands separator and decimal point, for every number the window writes.
NumberFormat localeNumberFormat(const QLocale& locale);
QStringList viewTexts(const std::vector<std::string>& texts);

}  // namespace numora
