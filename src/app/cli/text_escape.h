// Printed text stays on one line: backslash, tab, CR and LF are written as \\, \t, \r and \n.
#pragma once

#include <string>
#include <string_view>

namespace numora {

std::string escapeText(std::string_view text);

}  // namespace numora
