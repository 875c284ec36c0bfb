#include "app/qt/desktop_url.h"

#include <QString>

namespace numora {

QUrl desktopUrl(const std::string& target) {
  const QString text = QString::fromStdString(target).trimmed();
  const QUrl url(text, QUrl::StrictMode);
  if (url.isValid() && url.scheme().size() > 1) return url;
  if (text.startsWith(QStringLiteral("www."), Qt::CaseInsensitive)) {
    return QUrl::fromUserInput(text);
  }
  return QUrl::fromLocalFile(text);
}

}  // namespace numora
