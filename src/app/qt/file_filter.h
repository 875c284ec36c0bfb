// File dialog filters: the form's "Description|*.ext" pairs in the form Qt's dialogs take.
#pragma once

#include <QString>
#include <string>

namespace numora {

// "Tipfile|*.hlt" becomes "Tipfile (*.hlt)"; several pairs ("A|*.a|B|*.b;*.c") become
// "A (*.a);;B (*.b *.c)". A description without a pattern keeps "*" as its pattern. The
// descriptions read in the user's language.
QString toQtFileFilter(const std::string& filter);

}  // namespace numora
