// What the desktop's "open" action gets for a target: a web address or a file.
#pragma once

#include <QUrl>
#include <string>

namespace numora {

// An address with a scheme ("https://...", "mailto:...") stays as it is; "www...." gets the web
// scheme; anything else is a file path. A one-letter scheme is a drive letter, not a scheme.
QUrl desktopUrl(const std::string& target);

}  // namespace numora
